// The core's platform calls for the host tests: message boxes, programs,
// help, close requests and the data file, recorded instead of done.
#pragma once

#include <string>
#include <vector>

#include "core/data_file.h"
#include "core/host.h"

namespace zep {

struct ShownBox {
  std::string text, title;
  unsigned flags;
};

class FakeHost : public Host, public FileSystem {
 public:
  std::vector<ShownBox> boxes;
  // Every other platform call, of this and the other test doubles, as short
  // texts in the order made.
  std::vector<std::string> calls;
  int start_program_result = 33;
  LocalTime now{2026, 12, 7, 5, 4, 3};

  int ShowMessage(WindowRef, const char* text, const char* title, unsigned flags) override {
    boxes.push_back({text, title, flags});
    return 1;
  }
  LocalTime Now() override { return now; }
  int StartProgram(const char* command_line) override {
    calls.push_back(std::string("StartProgram ") + command_line);
    return start_program_result;
  }
  void OpenHelpIndex(WindowRef, const char* file) override {
    calls.push_back(std::string("OpenHelpIndex ") + file);
  }
  void PostCloseRequest(WindowRef) override { calls.push_back("PostCloseRequest"); }
  void GetWindowTextOf(WindowRef, char* out, size_t cap) override {
    if (cap > 0) out[0] = '\0';
  }
  void CloseFile(int handle) override { calls.push_back("CloseFile " + std::to_string(handle)); }
};

}  // namespace zep
