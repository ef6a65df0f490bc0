// The reference system for the host tests: fixed folders, help-viewer
// calls and opened documents recorded into the shared call list.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "assist/reference_system.h"

namespace zep {

class FakeReferenceSystem : public ReferenceSystem {
 public:
  explicit FakeReferenceSystem(std::vector<std::string>* calls) : calls_(*calls) {}

  std::string program_folder = "C:\\ZEP\\";
  std::string temp_folder = "C:\\TEMP\\";
  bool opens = true;  // what OpenDocument answers

  std::string ProgramFolder() override { return program_folder; }
  std::string TempFolder() override { return temp_folder; }
  // Recorded as "ShowHelpFile FILE COMMAND KEYWORD", the command in hex and
  // "(none)" for no keyword.
  void ShowHelpFile(WindowRef, const char* file, HelpCommand command, const char* keyword) override {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(command));
    calls_.push_back(std::string("ShowHelpFile ") + file + " " + hex + " " +
                     (keyword != nullptr ? keyword : "(none)"));
  }
  bool OpenDocument(WindowRef, const char* path) override {
    calls_.push_back(std::string("OpenDocument ") + path);
    return opens;
  }
  void ShowReferenceWindow(WindowRef, const std::string& target) override {
    calls_.push_back("ShowReferenceWindow " + target);
  }
  // Paths of the tests are ASCII, the same in UTF-8.
  std::string PathToUtf8(const char* path) override { return path; }

 private:
  std::vector<std::string>& calls_;
};

}  // namespace zep
