// What the editor keeps beside its text, on Win32: the examples built into
// the program as resources (made by the build from examples/*.zep), the
// popup they are offered in, and the folder of the recovery copies.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ide/editor_system.h"

namespace zep {

// The example at index (from 0): the resource ZEPSAMPLE index + 1 holds its
// bytes, ZEPSAMPLENAME index + 1 its file name. False past the last.
bool LoadSampleResource(HINSTANCE instance, int index, std::string* name, std::string* bytes);

// The guide: the resource ZEPGUIDE 1. False when there is none.
bool LoadGuideResource(HINSTANCE instance, std::string* bytes);

// The guide's picture of that name: the resource ZEPPICTURENAME n names it,
// ZEPPICTURE n holds its PNG file, which the platform's imaging component
// decodes into a packed bitmap of 32 bits a pixel, bottom row first. ""
// when there is no such picture or it can't be decoded.
std::string GuidePictureResource(HINSTANCE instance, const std::string& name);

// Inserts popup into the window's menu bar before its last title.
void InsertMenuBarPopup(HWND window, HMENU popup, const char* title);

// %APPDATA%\ZEP\recovery into out (MAX_PATH bytes), made when missing;
// false when it can't be. Uses no heap: it also runs after a fault.
bool RecoveryFolderPath(char* out);

// The files of a folder, with sizes and last-write times.
std::vector<FolderFile> ListFolderFiles(const char* folder);

// After a fault: writes the editor's text, when the editor is open and the
// text changed, as its recovery copy (the one it keeps, or a new one named
// after the document); gives the copy's path, or "" when nothing was
// written. Uses no heap, which the fault may have damaged.
const char* WriteEditorRecovery();

}  // namespace zep
