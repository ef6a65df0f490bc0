#include "platform/shortcuts.h"

namespace zep {

namespace {

bool EditFieldKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0) return false;
  if (msg.wParam != 'Z' && msg.wParam != 'Y' && msg.wParam != 'A') return false;
  char name[16] = "";
  GetClassNameA(msg.hwnd, name, sizeof name);
  return lstrcmpiA(name, "Edit") == 0;
}

}  // namespace

bool TranslateShortcut(HWND editor, HACCEL table, MSG* msg) {
  return table != nullptr && !EditFieldKey(*msg) && TranslateAcceleratorW(editor, table, msg);
}

}  // namespace zep
