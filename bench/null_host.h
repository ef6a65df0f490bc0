// A host for the benchmarks: the platform calls do nothing, except that a
// message box (an error report of a failing script) is written to stderr.
#pragma once

#include <string>

#include "core/host.h"

namespace zep {

class NullHost : public Host {
 public:
  int ShowMessage(WindowRef owner, const char* text, const char* title, unsigned flags) override;
  LocalTime Now() override { return {2024, 1, 1, 12, 0, 0}; }
  // Nothing is started: 0 is the platform's "out of resources" result.
  int StartProgram(const char*) override { return 0; }
  void OpenHelpIndex(WindowRef, const char*) override {}
  void PostCloseRequest(WindowRef) override {}
  void GetWindowTextOf(WindowRef, char* out, size_t cap) override {
    if (cap > 0) out[0] = '\0';
  }

  // Plain ASCII only: the benchmarks convert no other text.
  bool ToShiftJis(const std::u16string& text, std::string* out) override {
    out->clear();
    for (char16_t c : text) {
      if (c >= 0x80) return false;
      out->push_back(static_cast<char>(c));
    }
    return true;
  }
  bool FromShiftJis(const std::string& text, std::u16string* out) override {
    out->clear();
    for (char c : text) {
      if (static_cast<unsigned char>(c) >= 0x80) return false;
      out->push_back(static_cast<char16_t>(c));
    }
    return true;
  }

  int messages_shown = 0;
};

}  // namespace zep
