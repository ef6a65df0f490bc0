// What the RUN window and the script dialog share: each is a window whose
// events run sections of the script. One window procedure serves both
// (script_window_win32.cpp): it cracks the platform's messages and hands each
// to the window's events, one function per message, with plain numbers.
#pragma once

#include <cstdint>

#include "controls/routing.h"
#include "core/common.h"
#include "runtime/window_system.h"

namespace zep {

struct ScriptWindowEvents {
  void (*create)(WindowRef window);   // opening steps, then INIT
  void (*destroy)(WindowRef window);  // closing steps
  bool (*close)(WindowRef window);    // true when the window must go
  // PAINT, KILLFOCUS and the mouse buttons: nothing but the section.
  void (*section)(WindowRef window, const char* event);
  // The client area's new position and size, as the platform gives them:
  // 16 bits each, unsigned.
  void (*move)(WindowRef window, int32_t left, int32_t top);
  void (*size)(WindowRef window, int32_t width, int32_t height);
  void (*mouse_move)(WindowRef window, int32_t x, int32_t y);
  void (*key)(WindowRef window, bool down, uint32_t key);
  void (*character)(WindowRef window, uint32_t code);
  void (*timer)(WindowRef window);
  void (*set_focus)(WindowRef window);
  // A menu item (id below 600) or a control (600 and up) reported; code is
  // the control's notification code.
  void (*command)(WindowRef window, int id, int code);
  // A scroll bar moved: the window's own (control is nullptr) or a
  // scroll-bar control; pos counts for kThumb only.
  void (*scroll)(WindowRef window, WindowRef control, ScrollBar bar, ScrollStep step, int pos);
};

// The steps both windows take the same way; run_section runs the section
// of an event for the window (its own name for the run window, the
// dialog's name before it for the dialog).
using SectionRunner = void (*)(WindowRef window, const char* event);
void ScriptKey(WindowRef window, bool down, uint32_t key, SectionRunner run_section);
void ScriptChar(WindowRef window, uint32_t code, SectionRunner run_section);
void ScriptTimer(WindowRef window, SectionRunner run_section);
void ScriptSetFocus(WindowRef window, SectionRunner run_section);

}  // namespace zep
