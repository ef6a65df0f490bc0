#include "ide/tool_window_win32.h"

#include <commctrl.h>

#include "resources/resource_ids.h"

namespace zep {

bool RegisterToolWindowClass(HINSTANCE instance, const char* class_name, WNDPROC procedure,
                             DWORD common_controls) {
  WNDCLASSEXA wc = {};
  if (GetClassInfoExA(instance, class_name, &wc)) return true;
  INITCOMMONCONTROLSEX controls = {sizeof controls, common_controls};
  InitCommonControlsEx(&controls);
  wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(ZEP_ICON_PROGRAM));
  wc.hIconSm = wc.hIcon;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = class_name;
  return RegisterClassExA(&wc) != 0;
}

HWND ToolChild(HWND parent, const char* class_name, const char* text, DWORD style, DWORD ex_style, int id) {
  return CreateWindowExA(ex_style, class_name, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

std::string ToolText(HWND control) {
  int length = GetWindowTextLengthA(control);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(control, &text[0], length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

}  // namespace zep
