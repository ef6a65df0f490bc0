// The debugger's window (debugger.h decides what it shows): the event
// strip, the variables with a filter by name, the selected array as a grid,
// and a box that changes a value while the run is paused. The class
// "ZEPWATCH", registered on first use.
#pragma once

#include <windows.h>

#include "core/common.h"

namespace zep {

// The window's controls.
enum WatchControl : int {
  kWatchEventsId = 301,   // the event strip: 区画, 回数, 最後, 状態
  kWatchFilterId = 302,   // the name filter
  kWatchVariablesId = 303,  // 名前, 値
  kWatchGridId = 304,     // the selected array: its row, then a column each
  kWatchCellId = 305,     // what the value box changes ("score:", "a(2,3):")
  kWatchValueId = 306,    // the value typed
  kWatchSetId = 307,      // "値を変える"
};

// Opens the window, owned by owner, or brings it to the front. False when
// it can't be made.
bool OpenWatch(WindowRef owner);
bool WatchOpen();
// Its lists from the debugger's state, as they stand now.
void RefreshWatch();
// Whether the message's window is the watch window or one of its controls
// (the editor's shortcuts work there too).
bool IsWatchWindowMessage(HWND hwnd);

}  // namespace zep
