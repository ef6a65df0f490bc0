// What the run-time window does on each event, apart from the platform calls
// of its window procedure: the opening and closing steps, the reserved
// variables that events update, the close decision and the window's own
// scroll bars. Every event runs its section through RunSection.
#pragma once

#include <cstdint>

#include "core/common.h"
#include "core/host.h"

namespace zep {

void OnRunCreate(WindowRef window);    // opening steps, then INIT
void OnRunDestroy(WindowRef window);   // closing steps
void OnRunMove(WindowRef window, uint32_t lparam);
void OnRunSize(WindowRef window, uint32_t lparam);
void OnRunMouseMove(WindowRef window, uint32_t lparam);
void OnRunKey(WindowRef window, bool down, uint32_t key);
void OnRunChar(WindowRef window, uint32_t code);
void OnRunTimer(WindowRef window);
void OnRunSetFocus(WindowRef window);
void OnRunCommand(WindowRef window, int id);
// PAINT, KILLFOCUS and the mouse buttons: nothing but the section.
void OnRunEvent(WindowRef window, const char* section);
// The window's own scroll bar moved; code and pos as the platform gives them.
void OnRunScroll(WindowRef window, ScrollBar bar, int code, int pos);
// The user or the script asked to close: true when the window must go.
bool OnRunClose(WindowRef window);

}  // namespace zep
