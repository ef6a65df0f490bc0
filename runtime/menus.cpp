#include "runtime/menus.h"

#include <cstring>

#include "core/args.h"
#include "core/errors.h"
#include "core/exec.h"
#include "core/run_settings.h"

namespace zep {

MenuSystem* menu_system = nullptr;
MenuTables menu_tables;

namespace {

MenuTables& m = menu_tables;

void ResetMenus() { m = MenuTables{}; }

// Titles without items have no popup and are left out of the bar, but they
// still count for the window height and the SetMenuStyle search.
void BuildMenuBar(WindowRef window) {
  if (m.menu_count == 0) return;
  MenuRef bar = menu_system->CreateBar();
  for (int i = 0; i < m.menu_count; ++i) {
    if (m.popup_menus[i] != nullptr) menu_system->AppendPopup(bar, m.popup_menus[i], m.menu_titles[i]);
  }
  menu_system->AttachBar(window, bar);
  m.menu_bar = bar;
}

// An attached bar goes with its window; popups of a run whose window never
// got its bar are still ours.
void FreeMenus(WindowRef) {
  if (m.menu_bar == nullptr) {
    for (MenuRef popup : m.popup_menus) {
      if (popup != nullptr) menu_system->DestroyMenu(popup);
    }
  }
  ResetMenus();
}

// The literal of argument i into out (kMaxStatement bytes), refused with
// code 3 when it is longer than a menu table holds.
bool GetMenuText(const ArgList& args, int i, char* out) {
  if (!GetStrArg(args, i, out)) return false;
  if (std::strlen(out) >= static_cast<size_t>(kMenuTextBytes)) {
    SetError(kErrTooLong);
    return false;
  }
  return true;
}

// Appends item text under the last title, with section name section. An
// item before any title, or a 256th item, is refused with code 44.
void AddItem(const char* text, const char* section) {
  if (m.menu_count == 0 || m.next_item_id >= kMaxMenuItemIds) return SetError(kErrMenu);
  MenuRef& popup = m.popup_menus[m.menu_count - 1];
  if (popup == nullptr) popup = menu_system->CreatePopup();
  int id = m.next_item_id++;
  if (std::strcmp(text, "---") == 0) {
    menu_system->AppendSeparator(popup, id);
  } else {
    menu_system->AppendItem(popup, id, text);
  }
  CopyText(m.item_sections[id], kMenuTextBytes, section);
}

// Menu("title"): a new title of the bar; a 17th title is refused with code 44.
void CmdMenu(WindowRef, const ArgList& args, int) {
  char text[kMaxStatement];
  if (!GetMenuText(args, 0, text)) return;
  if (m.menu_count == kMaxMenuTitles) return SetError(kErrMenu);
  CopyText(m.menu_titles[m.menu_count++], kMenuTextBytes, text);
}

// PopupMenu("text"): an item whose section is its own text; "---" is a separator.
void CmdPopupMenu(WindowRef, const ArgList& args, int) {
  char text[kMaxStatement];
  if (!GetMenuText(args, 0, text)) return;
  AddItem(text, text);
}

// PopupMenuEX("text","ID_name"): an item whose section is ID_name.
void CmdPopupMenuEX(WindowRef, const ArgList& args, int) {
  char text[kMaxStatement], name[kMaxStatement];
  if (!GetMenuText(args, 0, text) || !GetMenuText(args, 1, name)) return;
  AddItem(text, name);
}

// SetMenuStyle("name",check,color): check 1 sets the mark, color 1 greys the
// item; anything else clears them. Only IDs below 16 per title are searched,
// so the item must be among them, or code 44. Before the window has finished
// opening it does nothing, whatever its arguments: it checks its own count.
void CmdSetMenuStyle(WindowRef window, const ArgList& args, int) {
  // Menu commands are ignored until the window has finished opening.
  if (run_state.window_ready == 0) return;
  char name[kMaxStatement];
  int32_t a[3];
  if (!CheckArgCount(args, 3) || !GetStrArg(args, 0, name)) return;
  if (!GetIntArgs(window, args, 1, 2, a)) return;
  int bound = kItemsPerTitleSearched * m.menu_count;
  if (bound > kMaxMenuItemIds) bound = kMaxMenuItemIds;
  int id = 0;
  while (id < bound && std::strcmp(m.item_sections[id], name) != 0) ++id;
  if (id == bound) return SetError(kErrMenu);
  if (m.menu_bar != nullptr) menu_system->SetItemState(m.menu_bar, id, a[1] == 1, a[2] == 1);
}

const CommandRow kRows[] = {
    {"Menu", CmdMenu, 0, kPhaseCreate, false, "t"},
    {"PopupMenu", CmdPopupMenu, 0, kPhaseCreate, false, "t"},
    {"PopupMenuEX", CmdPopupMenuEX, 0, kPhaseCreate, false, "ts"},
    {"SetMenuStyle", CmdSetMenuStyle, 0, kPhaseRun, false, "*sii"},
};

}  // namespace

const RunPart menu_part = {"menus", ResetMenus, BuildMenuBar, nullptr, FreeMenus};

void OnMenuCommand(WindowRef window, int id) {
  if (id < 1 || id >= m.next_item_id) return;
  RunSection(window, m.item_sections[id]);
}

const CommandList menu_commands = {"menus", kRows, RowCount(kRows)};

}  // namespace zep
