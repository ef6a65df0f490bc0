// The RUN window class and the creation of a run's window.
#pragma once

#include <windows.h>

namespace zep {

// Registers the RUN class with this run's background (again for every run,
// so that SetWinColor takes effect).
bool RegisterRunClass(HINSTANCE instance);

// Creates and shows the window with the recorded style, caption, position
// and size; owner is the editor window or nullptr.
HWND CreateRunWindow(HINSTANCE instance, HWND owner);

}  // namespace zep
