// What the program's picture buttons (the script's bitmap buttons and the
// editor's toolbar) need of the platform: the button and hint windows of a
// class, an off-screen surface per button, timer 1 of those windows, the
// mouse capture and cursor, and a few window geometry questions. The portable button code decides everything; an implementation
// carries out one call. The Win32 layer implements it; host tests implement
// it to record calls.
#pragma once

#include <cstdint>

#include "core/common.h"
#include "graphics/canvas.h"

namespace zep {

struct ClientArea {
  int32_t left, top, right, bottom;
};

class ButtonSystem {
 public:
  virtual ~ButtonSystem() = default;

  // Registers the script's button and hint window classes (BB_class,
  // BS_class) for the program that owns run_window. A second registration
  // in the same process is ignored.
  virtual void RegisterButtonClasses(WindowRef run_window) = 0;
  // A visible child window of class_name on parent, at x, y, sized w by h,
  // with no title; nullptr on failure.
  virtual WindowRef CreateButtonWindow(const char* class_name, WindowRef parent, int32_t x,
                                       int32_t y, int32_t w, int32_t h) = 0;
  // Shows the window and has it paint at once.
  virtual void ShowAndUpdate(WindowRef window) = 0;

  // An off-screen drawing context holding a w by h picture compatible with
  // window; *replaced receives what the context held before, for the
  // release. nullptr when the platform cannot make one.
  virtual Surface CreateSurface(WindowRef window, int32_t w, int32_t h, void** replaced) = 0;
  virtual void ReleaseSurface(Surface surface, void* replaced) = 0;
  // Copies (0, 0)-(w, h) of the surface to the window's client area.
  virtual void ShowSurface(WindowRef window, Surface surface, int32_t w, int32_t h) = 0;
  // Draws the 32 by 32 icon resource at (0, 0) of the surface, with its mask.
  virtual void DrawIconAt(Surface surface, int resource) = 0;

  // A visible popup window of class_name owned by owner, at x, y in screen
  // coordinates, sized w by h; nullptr on failure.
  virtual WindowRef CreateHintWindow(const char* class_name, WindowRef owner, int32_t x,
                                     int32_t y, int32_t w, int32_t h) = 0;
  // Sends the window the close request (which destroys a hint window).
  virtual void SendClose(WindowRef window) = 0;
  // Sends parent the command notification of id with code 0 and no handle.
  virtual void SendCommand(WindowRef parent, int id) = 0;

  // Timer 1 of window.
  virtual void StartTimer1(WindowRef window, int32_t ms) = 0;
  virtual void StopTimer1(WindowRef window) = 0;

  virtual void CaptureMouse(WindowRef window) = 0;
  virtual void ReleaseMouse() = 0;
  virtual void SetArrowCursor() = 0;

  virtual ClientArea ClientRect(WindowRef window) = 0;
  // The point (x, y) of from's client area in to's client coordinates; to
  // nullptr gives screen coordinates.
  virtual PointXY MapPoint(WindowRef from, WindowRef to, PointXY p) = 0;
  // The window that has the keyboard focus, nullptr for none of this thread.
  virtual WindowRef FocusWindow() = 0;
};

// The button system in use. Set once at start-up (or by a test).
extern ButtonSystem* button_system;

}  // namespace zep
