// The reference window's Win32 window (help_window.h decides what it
// shows): the class "ZEPHELP", registered on first use.
#pragma once

#include <string>

#include "core/common.h"

namespace zep {

// Opens the window, owned by owner, or brings it to the front, and shows
// the page of target (reference_page.h); a "search:" target also fills the
// search box and puts the caret there. False when the window can't be made.
bool ShowHelpWindow(WindowRef owner, const std::string& target);

}  // namespace zep
