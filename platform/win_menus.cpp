// The Win32 menu system: popup menus, the menu bar of the run window and
// the state of its items.
#include "platform/win_menus.h"

#include <windows.h>

namespace zep {

namespace {

HMENU Hmenu(MenuRef m) { return static_cast<HMENU>(m); }

class Win32MenuSystem : public MenuSystem {
 public:
  MenuRef CreatePopup() override { return CreatePopupMenu(); }

  void AppendItem(MenuRef popup, int id, const char* text) override {
    AppendMenuA(Hmenu(popup), MF_STRING, static_cast<UINT_PTR>(id), text);
  }

  void AppendSeparator(MenuRef popup, int id) override {
    AppendMenuA(Hmenu(popup), MF_SEPARATOR, static_cast<UINT_PTR>(id), nullptr);
  }

  MenuRef CreateBar() override { return CreateMenu(); }

  void AppendPopup(MenuRef bar, MenuRef popup, const char* title) override {
    AppendMenuA(Hmenu(bar), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), title);
  }

  void AttachBar(WindowRef window, MenuRef bar) override {
    SetMenu(static_cast<HWND>(window), Hmenu(bar));
  }

  // By command, so the item is found in whichever popup of the bar holds it.
  void SetItemState(MenuRef bar, int id, bool checked, bool greyed) override {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    info.fState = (checked ? MFS_CHECKED : MFS_UNCHECKED) | (greyed ? MFS_GRAYED : MFS_ENABLED);
    SetMenuItemInfoA(Hmenu(bar), static_cast<UINT>(id), FALSE, &info);
  }

  void DestroyMenu(MenuRef menu) override { ::DestroyMenu(Hmenu(menu)); }
};

}  // namespace

MenuSystem* Win32Menus() {
  static Win32MenuSystem the_menus;
  return &the_menus;
}

}  // namespace zep
