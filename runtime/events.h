// What the run-time window does on each event, apart from the platform calls
// of its window procedure: the opening and closing steps, the reserved
// variables that events update, the close decision and the window's own
// scroll bars. Every event runs its section through RunSection. The window
// procedure cracks the platform's message parameters; these take plain numbers.
#pragma once

#include <cstdint>

#include "controls/routing.h"
#include "core/common.h"
#include "runtime/script_window.h"
#include "runtime/window_system.h"

namespace zep {

// The run window, from its opening steps to its end; nullptr otherwise.
extern WindowRef run_window;

// The functions below, one per message of the window procedure.
extern const ScriptWindowEvents run_window_events;

// Called, when set, after a run's window has gone and the run was freed:
// the editor that started the run looks at how it ended.
extern void (*run_ended)();

void OnRunCreate(WindowRef window);    // opening steps, then INIT
void OnRunDestroy(WindowRef window);   // closing steps
// The new position of the client area, and the new client size, as the
// platform gives them: 16 bits each, unsigned.
void OnRunMove(WindowRef window, int32_t left, int32_t top);
void OnRunSize(WindowRef window, int32_t width, int32_t height);
void OnRunMouseMove(WindowRef window, int32_t x, int32_t y);
void OnRunKey(WindowRef window, bool down, uint32_t key);
void OnRunChar(WindowRef window, uint32_t code);
void OnRunTimer(WindowRef window);
void OnRunSetFocus(WindowRef window);
// A menu item (id below 600) or a control (600 and up) reported; code is
// the control's notification code.
void OnRunCommand(WindowRef window, int id, int code);
// PAINT, KILLFOCUS and the mouse buttons: nothing but the section.
void OnRunEvent(WindowRef window, const char* section);
// The window's own scroll bar moved; pos counts for kThumb only.
void OnRunScroll(WindowRef window, ScrollBar bar, ScrollStep request, int pos);
// A scroll-bar control moved.
void OnRunControlScroll(WindowRef window, WindowRef control, ScrollStep request, int pos);
// The user or the script asked to close: true when the window must go.
bool OnRunClose(WindowRef window);

}  // namespace zep
