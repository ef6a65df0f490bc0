// What both program entries share: starting a run from a script text in its
// own window, and the message loop.
#pragma once

#include <windows.h>

#include <cstddef>

#include "runtime/start.h"

namespace zep {

// Tells the user why a script could not even start: the message of failure
// and the name it concerns.
void ShowStartFailure(StartFailure failure, const char* name);

// Prepares the run (a load error is reported; name is the script's, for the
// other failures) and opens its window. false when the run did not start.
bool StartRun(HINSTANCE instance, const char* text, size_t size, ProgramForm form,
              const char* name);

// Serves the windows until the quit message; gives its code.
int MessageLoop(HWND window = nullptr, HACCEL shortcut_table = nullptr, bool (*also_here)(HWND) = nullptr);

}  // namespace zep
