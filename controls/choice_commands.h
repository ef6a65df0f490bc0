// The commands on list and combo boxes, buttons and scroll-bar controls.
#pragma once

#include "core/command_table.h"

namespace zep {

// The rows of the list, combo box and button commands, SetListText to
// GetButtonCheck.
extern const CommandList choice_commands;

// The rows of SetScrollRange, SetScrollPos and GetScrollPos: a list of their
// own, installed after the bitmap buttons' rows.
extern const CommandList scroll_bar_commands;

}  // namespace zep
