// The window procedures of the button model, shared by its two faces: each
// face's class procedure passes its messages here with its model.
#pragma once

#include <windows.h>

#include "controls/button_model.h"

namespace zep {

LRESULT ButtonModelProc(ButtonModel& model, HWND hwnd, UINT message, WPARAM wParam,
                        LPARAM lParam);
LRESULT HintModelProc(ButtonModel& model, HWND hwnd, UINT message, WPARAM wParam,
                      LPARAM lParam);

// Registers a class of the model's windows (no icon, cursor, background or
// menu); false when the platform refuses, as for a second registration.
bool RegisterModelClass(HINSTANCE instance, const char* name, WNDPROC procedure);

}  // namespace zep
