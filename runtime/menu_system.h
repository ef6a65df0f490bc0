// What the script's menus need of the platform: popup menus with string
// items and separators, a menu bar of those popups attached to the run
// window, and the check and greyed state of one item. The Win32 layer
// implements it; host tests implement it to record calls.
#pragma once

#include "core/common.h"

namespace zep {

// An opaque menu handle (an HMENU on Windows).
using MenuRef = void*;

class MenuSystem {
 public:
  virtual ~MenuSystem() = default;

  virtual MenuRef CreatePopup() = 0;
  // A string item, or a separator, that sends command id when chosen.
  virtual void AppendItem(MenuRef popup, int id, const char* text) = 0;
  virtual void AppendSeparator(MenuRef popup, int id) = 0;
  virtual MenuRef CreateBar() = 0;
  // The popup becomes a title of the bar; the bar owns it from then on.
  virtual void AppendPopup(MenuRef bar, MenuRef popup, const char* title) = 0;
  // The window owns the bar from then on and destroys it with itself.
  virtual void AttachBar(WindowRef window, MenuRef bar) = 0;
  // Replaces the check mark and the greyed (disabled) state of the item
  // with command id anywhere in the bar.
  virtual void SetItemState(MenuRef bar, int id, bool checked, bool greyed) = 0;
  // Destroys a menu that nothing owns, with its popups.
  virtual void DestroyMenu(MenuRef menu) = 0;
};

// The menu system in use. Set once at start-up (or by a test).
extern MenuSystem* menu_system;

}  // namespace zep
