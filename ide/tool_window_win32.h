// What the editor's own windows beside it (the reference window, the
// debugger's window) share: their class, registered on first use, and the
// controls they are made of.
#pragma once

#include <windows.h>

#include <string>

namespace zep {

// Registers class_name once, with the program's icon, the arrow and the
// dialog face behind its controls, after the common controls of
// common_controls (ICC_...) were made ready. False when it can't be.
bool RegisterToolWindowClass(HINSTANCE instance, const char* class_name, WNDPROC procedure,
                             DWORD common_controls);

// A visible child control of parent with the id, placed later.
HWND ToolChild(HWND parent, const char* class_name, const char* text, DWORD style, DWORD ex_style, int id);

// The text of a control (an edit field).
std::string ToolText(HWND control);

}  // namespace zep
