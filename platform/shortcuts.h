// The editor's shortcuts in a message loop: the program's main loop and the
// loop of a paused run both apply them.
#pragma once

#include <windows.h>

namespace zep {

// Applies the shortcuts of table to a key message for editor: true when the
// message became a command (and is not to be dispatched). Ctrl+Z, Ctrl+Y
// and Ctrl+A typed into an edit field (the editor's search box) stay with
// that field.
bool TranslateShortcut(HWND editor, HACCEL table, MSG* msg);

}  // namespace zep
