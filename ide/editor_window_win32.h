// The ZEP2 window class of the editor and the creation of its window.
#pragma once

#include <windows.h>

namespace zep {

// The class: the editor's procedure, the light grey stock brush, the arrow
// cursor, icon 107 and menu 109.
bool RegisterEditorClass(HINSTANCE instance);

// Creates the editor window at the system's default place and size and
// shows it with show; nullptr when it cannot be made.
HWND CreateEditorWindow(HINSTANCE instance, int show);

}  // namespace zep
