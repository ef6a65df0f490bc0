// The window procedure the RUN window and the script dialog share, and the
// pieces of the platform's messages both read.
#pragma once

#include <windows.h>

#include "runtime/script_window.h"

namespace zep {

// Hands one message of a script window to its events; the platform's
// default for the others.
LRESULT ScriptWindowMessage(const ScriptWindowEvents& events, HWND hwnd, UINT message,
                            WPARAM wParam, LPARAM lParam);

// The stock brush for a SetWinColor number.
HBRUSH BackgroundBrush(int colour);

// Registers a script window class (again each time, so that a new
// background takes effect) with the program's icon and double clicks.
bool RegisterScriptClass(HINSTANCE instance, const char* name, WNDPROC procedure, int background);

}  // namespace zep
