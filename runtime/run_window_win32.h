// The RUN window class and the creation of a run's window.
#pragma once

#include <windows.h>

#include "controls/routing.h"

namespace zep {

// The stock brush for a SetWinColor number.
HBRUSH BackgroundBrush(int colour);

// The event of a mouse-button message (WM_LBUTTONDOWN .. WM_MBUTTONDBLCLK).
const char* MouseButtonEvent(UINT message);

// What a scroll-bar code asks for.
ScrollStep ScrollStepOf(UINT code);

// Registers the RUN class with this run's background (again for every run,
// so that SetWinColor takes effect).
bool RegisterRunClass(HINSTANCE instance);

// Creates and shows the window with the recorded style, caption, position
// and size; owner is the editor window or nullptr.
HWND CreateRunWindow(HINSTANCE instance, HWND owner);

}  // namespace zep
