// The run window's platform calls for the host tests, recorded into the
// call list of the fake host so that one list shows their order.
#pragma once

#include <string>
#include <vector>

#include "runtime/window_system.h"

namespace zep {

class FakeWindowSystem : public WindowSystem {
 public:
  explicit FakeWindowSystem(std::vector<std::string>* calls) : calls_(*calls) {}

  std::string title;  // the last title set

  // Border 1, caption 19, menu 19, scroll-bar thumbs 16, a 1024 x 768 screen.
  int SystemMetric(Metric m) override {
    switch (m) {
      case Metric::kCxScreen: return 1024;
      case Metric::kCyScreen: return 768;
      case Metric::kCxBorder: case Metric::kCyBorder: return 1;
      case Metric::kCyCaption: case Metric::kCyMenu: return 19;
      case Metric::kCyVThumb: case Metric::kCxHThumb: return 16;
    }
    return 0;
  }
  void PostQuit(int code) override { Log("PostQuit " + std::to_string(code)); }
  void StartTimer(WindowRef, int ms) override { Log("StartTimer " + std::to_string(ms)); }
  void StopTimer(WindowRef) override { Log("StopTimer"); }
  void SetTopmost(WindowRef, bool on) override { Log("SetTopmost " + std::to_string(on)); }
  void ResizeWindow(WindowRef, int w, int h) override {
    Log("ResizeWindow " + std::to_string(w) + " " + std::to_string(h));
  }
  void MoveWindowTo(WindowRef, int l, int t, bool top) override {
    Log("MoveWindowTo " + std::to_string(l) + " " + std::to_string(t) + " " + std::to_string(top));
  }
  void SetTitle(WindowRef, const char* text) override {
    title = text;
    Log(std::string("SetTitle ") + text);
  }
  void SetFocusTo(WindowRef) override { Log("SetFocusTo"); }
  void SetScrollRange(WindowRef, ScrollBar bar, int max) override {
    Log("SetScrollRange " + BarName(bar) + std::to_string(max));
  }
  void SetScrollPosition(WindowRef, ScrollBar bar, int pos) override {
    Log("SetScrollPosition " + BarName(bar) + std::to_string(pos));
  }
  void ApplyShape(WindowRef, int type, int w, int h, int cw, int ch) override {
    Log("ApplyShape " + std::to_string(type) + " " + std::to_string(w) + " " + std::to_string(h) +
        " " + std::to_string(cw) + " " + std::to_string(ch));
  }

 private:
  static std::string BarName(ScrollBar bar) { return bar == ScrollBar::kHorizontal ? "h " : "v "; }
  void Log(const std::string& call) { calls_.push_back(call); }

  std::vector<std::string>& calls_;
};

}  // namespace zep
