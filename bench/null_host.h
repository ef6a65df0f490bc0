// A host for the benchmarks: the platform calls do nothing, except that a
// message box (an error report of a failing script) is written to stderr.
#pragma once

#include "core/host.h"

namespace zep {

class NullHost : public Host {
 public:
  int ShowMessage(WindowRef owner, const char* text, const char* title, unsigned flags) override;
  int SystemMetric(Metric m) override;
  LocalTime Now() override { return {2024, 1, 1, 12, 0, 0}; }
  // Nothing is started: 0 is the platform's "out of resources" result.
  int StartProgram(const char*) override { return 0; }
  void OpenHelpIndex(WindowRef, const char*) override {}
  void PostCloseRequest(WindowRef) override {}
  void PostQuit(int) override {}
  void StartTimer(WindowRef, int) override {}
  void StopTimer(WindowRef) override {}
  void SetTopmost(WindowRef, bool) override {}
  void ResizeWindow(WindowRef, int, int) override {}
  void MoveWindowTo(WindowRef, int, int, bool) override {}
  void SetTitle(WindowRef, const char*) override {}
  void SetFocusTo(WindowRef) override {}
  void SetScrollRange(WindowRef, ScrollBar, int) override {}
  void SetScrollPosition(WindowRef, ScrollBar, int) override {}
  void ApplyShape(WindowRef, int, int, int, int, int) override {}
  void GetWindowTextOf(WindowRef, char* out, size_t cap) override {
    if (cap > 0) out[0] = '\0';
  }
  void CloseFile(int) override {}

  int messages_shown = 0;
};

}  // namespace zep
