// The message loop of a run that waits before a statement (the debugger's
// pause): see EditorSystem::WaitWhilePaused.
#pragma once

#include <windows.h>

namespace zep {

void RunPausedLoop(HWND editor, const bool* paused);

}  // namespace zep
