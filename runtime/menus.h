// The script's menus: Menu, PopupMenu and PopupMenuEX record titles and
// items in CREATE, the window's opening step builds the bar, choosing an item
// runs its section, and SetMenuStyle checks and greys items at run time.
#pragma once

#include <cstdint>

#include "core/command_table.h"
#include "core/common.h"
#include "core/run_parts.h"
#include "runtime/menu_system.h"

namespace zep {

constexpr int kMaxMenuTitles = 16;
constexpr int kMaxMenuItemIds = 256;  // item IDs 1..255; entry 0 is never used
constexpr int kMenuTextBytes = 33;    // texts and section names: at most 32 bytes
constexpr int kItemsPerTitleSearched = 16;

// The menus of one run, from the load pass until the window's end.
struct MenuTables {
  int32_t menu_count = 0;  // titles declared, also those without items
  char menu_titles[kMaxMenuTitles][kMenuTextBytes] = {};
  MenuRef popup_menus[kMaxMenuTitles] = {};  // made with the title's first item
  int32_t next_item_id = 1;                  // IDs run across titles, separators included
  char item_sections[kMaxMenuItemIds][kMenuTextBytes] = {};
  MenuRef menu_bar = nullptr;  // set once the bar is attached to the window
};

extern MenuTables menu_tables;

// The rows of the four menu commands: Menu("title"), PopupMenu("text") and
// PopupMenuEX("text","ID_name") in CREATE, SetMenuStyle("name",check,color)
// at run time.
extern const CommandList menu_commands;

// Reset at the load pass, the bar built at the window's opening, unattached
// popups destroyed after a failed load.
extern const RunPart menu_part;

// The run window got WM_COMMAND for menu item id: runs the item's section.
void OnMenuCommand(WindowRef window, int id);

}  // namespace zep
