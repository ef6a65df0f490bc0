// What the editor keeps beside its text, on Win32: the examples built into
// the program as resources (made by the build from examples/*.zep) and the
// popup they are offered in.
#pragma once

#include <windows.h>

#include <string>

namespace zep {

// The example at index (from 0): the resource ZEPSAMPLE index + 1 holds its
// bytes, ZEPSAMPLENAME index + 1 its file name. False past the last.
bool LoadSampleResource(HINSTANCE instance, int index, std::string* name, std::string* bytes);

// Inserts popup into the window's menu bar before its last title.
void InsertMenuBarPopup(HWND window, HMENU popup, const char* title);

}  // namespace zep
