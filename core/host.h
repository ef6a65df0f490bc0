// The interface through which the interpreter reaches the outside world:
// message boxes, windows, timers, programs, the clock and system metrics.
// The Win32 layer implements it; host tests implement it to record calls.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/common.h"

namespace zep {

// Message box flags, with the values the platform uses.
enum BoxFlags : unsigned {
  kBoxOk = 0x0,
  kBoxOkCancel = 0x1,
  kBoxYesNoCancel = 0x3,
  kBoxYesNo = 0x4,
  kBoxIconError = 0x10,
  kBoxIconQuestion = 0x20,
  kBoxIconExclamation = 0x30,
  kBoxIconInformation = 0x40,
};

// System metrics used by the window-size rules.
enum class Metric { kCxScreen, kCyScreen, kCxBorder, kCyBorder, kCyCaption, kCyMenu,
                    kCyVThumb, kCxHThumb };

// Scroll bars of the run-time window itself.
enum class ScrollBar { kHorizontal, kVertical };

struct LocalTime {
  int year, month, day, hour, minute, second;
};

class Host {
 public:
  virtual ~Host() = default;

  // A modal message box; returns the button pressed (platform id).
  virtual int ShowMessage(WindowRef owner, const char* text, const char* title,
                          unsigned flags) = 0;
  virtual int SystemMetric(Metric m) = 0;
  virtual LocalTime Now() = 0;
  // Starts a program as the platform's WinExec does; returns its result (>= 32 is success).
  virtual int StartProgram(const char* command_line) = 0;
  virtual void OpenHelpIndex(WindowRef owner, const char* help_file) = 0;

  // The run-time window.
  virtual void PostCloseRequest(WindowRef window) = 0;
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

  // The text of a window or control, at most cap - 1 bytes.
  virtual void GetWindowTextOf(WindowRef window, char* out, size_t cap) = 0;

  // The script's data file.
  virtual void CloseFile(int handle) = 0;
};

// The host in use. Set once at start-up (or by a test).
extern Host* host;

}  // namespace zep
