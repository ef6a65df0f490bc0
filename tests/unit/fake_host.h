// A host and canvas for the unit tests: they record what the interpreter
// asks of the platform instead of doing it.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/host.h"
#include "graphics/canvas.h"

namespace zep {

struct ShownBox {
  std::string text, title;
  unsigned flags;
};

class FakeHost : public Host {
 public:
  std::vector<ShownBox> boxes;
  std::vector<std::string> calls;  // other platform calls, as short texts
  int start_program_result = 33;
  LocalTime now{2026, 12, 7, 5, 4, 3};

  int ShowMessage(WindowRef, const char* text, const char* title, unsigned flags) override {
    boxes.push_back({text, title, flags});
    return 1;
  }
  int SystemMetric(Metric m) override;
  LocalTime Now() override { return now; }
  int StartProgram(const char* command_line) override {
    calls.push_back(std::string("StartProgram ") + command_line);
    return start_program_result;
  }
  void OpenHelpIndex(WindowRef, const char* file) override {
    calls.push_back(std::string("OpenHelpIndex ") + file);
  }
  void PostCloseRequest(WindowRef) override { calls.push_back("PostCloseRequest"); }
  void PostQuit(int code) override { calls.push_back("PostQuit " + std::to_string(code)); }
  void StartTimer(WindowRef, int ms) override { calls.push_back("StartTimer " + std::to_string(ms)); }
  void StopTimer(WindowRef) override { calls.push_back("StopTimer"); }
  void SetTopmost(WindowRef, bool on) override { calls.push_back("SetTopmost " + std::to_string(on)); }
  void ResizeWindow(WindowRef, int w, int h) override {
    calls.push_back("ResizeWindow " + std::to_string(w) + " " + std::to_string(h));
  }
  void MoveWindowTo(WindowRef, int l, int t, bool top) override {
    calls.push_back("MoveWindowTo " + std::to_string(l) + " " + std::to_string(t) + " " +
                    std::to_string(top));
  }
  void SetTitle(WindowRef, const char* text) override { calls.push_back(std::string("SetTitle ") + text); }
  void SetFocusTo(WindowRef) override { calls.push_back("SetFocusTo"); }
  void SetScrollRange(WindowRef, ScrollBar bar, int max) override {
    calls.push_back(std::string("SetScrollRange ") + (bar == ScrollBar::kHorizontal ? "h " : "v ") +
                    std::to_string(max));
  }
  void SetScrollPosition(WindowRef, ScrollBar bar, int pos) override {
    calls.push_back(std::string("SetScrollPosition ") +
                    (bar == ScrollBar::kHorizontal ? "h " : "v ") + std::to_string(pos));
  }
  void ApplyShape(WindowRef, int type, int w, int h, int cw, int ch) override {
    calls.push_back("ApplyShape " + std::to_string(type) + " " + std::to_string(w) + " " +
                    std::to_string(h) + " " + std::to_string(cw) + " " + std::to_string(ch));
  }
  void GetWindowTextOf(WindowRef, char* out, size_t cap) override {
    if (cap > 0) out[0] = '\0';
  }
  void CloseFile(int handle) override { calls.push_back("CloseFile " + std::to_string(handle)); }
};

// Installs a fresh FakeHost for each test and resets the interpreter state.
class InterpreterTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Loads a script as a run does (compaction, CREATE pre-pass). Gives the
  // error code of the load.
  int Load(const char* script);
  // Loads a script that must load, then runs one section; gives the error code.
  int Run(const char* script, const char* section = "MAIN");
  // The value of a plain variable (or the first cell of an array); NaN when missing.
  double Var(const char* name);
  // Evaluates an expression on its own.
  float Eval(const char* expr);
  std::string LastBox() const { return host_.boxes.empty() ? "" : host_.boxes.back().text; }

  FakeHost host_;
};

}  // namespace zep
