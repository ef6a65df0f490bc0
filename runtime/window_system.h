// What the run window needs of the platform: system metrics for the size
// rules, the timer, the window's place, title, focus, own scroll bars and
// shape, and the end of the program. The Win32 layer implements it; host
// tests implement it to record calls.
#pragma once

#include "core/common.h"

namespace zep {

// System metrics used by the window-size rules.
enum class Metric { kCxScreen, kCyScreen, kCxBorder, kCyBorder, kCyCaption, kCyMenu,
                    kCyVThumb, kCxHThumb };

// Scroll bars of the run-time window itself.
enum class ScrollBar { kHorizontal, kVertical };

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  virtual int SystemMetric(Metric m) = 0;
  // Ends the message loop, and so the program.
  virtual void PostQuit(int code) = 0;
  virtual void StartTimer(WindowRef window, int milliseconds) = 0;
  virtual void StopTimer(WindowRef window) = 0;
  virtual void SetTopmost(WindowRef window, bool topmost) = 0;
  virtual void ResizeWindow(WindowRef window, int width, int height) = 0;
  virtual void MoveWindowTo(WindowRef window, int left, int top, bool topmost) = 0;
  virtual void SetTitle(WindowRef window, const char* text) = 0;
  virtual void SetFocusTo(WindowRef window) = 0;
  virtual void SetScrollRange(WindowRef window, ScrollBar bar, int max) = 0;
  virtual void SetScrollPosition(WindowRef window, ScrollBar bar, int pos) = 0;
  // Gives the window a rounded-rectangle (type 1) or elliptic (type 2) shape.
  virtual void ApplyShape(WindowRef window, int type, int width, int height, int corner_w,
                          int corner_h) = 0;
};

// The window system in use. Set once at start-up (or by a test).
extern WindowSystem* window_system;

}  // namespace zep
