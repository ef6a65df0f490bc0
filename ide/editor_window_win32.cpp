#include "ide/editor_window_win32.h"

#include <windowsx.h>
#include <richedit.h>

#include "ide/debugger.h"
#include "ide/editor.h"
#include "ide/editor_system.h"
#include "ide/problem_panel.h"
#include "ide/recovery.h"
#include "resources/resource_ids.h"

namespace zep {

namespace {

WindowRef Ref(HWND hwnd) { return static_cast<WindowRef>(hwnd); }

BOOL OnCreate(HWND hwnd, LPCREATESTRUCT) {
  OnEditorCreate(Ref(hwnd));
  return TRUE;
}

void OnSize(HWND, UINT, int width, int height) { OnEditorSize(width, height); }
void OnSetFocus(HWND, HWND) { OnEditorSetFocus(); }
void OnClose(HWND) { OnEditorClose(); }
void OnTimer(HWND, UINT id) {
  if (id == kCheckTimerId) {
    CheckEditorText();
  } else {
    OnRecoveryTimer();
  }
}
void OnDestroy(HWND) { OnEditorDestroy(); }

// The debugger's commands are grey while they would do nothing.
void OnInitMenuPopup(HWND, HMENU menu, UINT, BOOL) {
  for (int id = kCmdDebugWatch; id <= kCmdDebugClear; ++id) {
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (DebugCommandEnabled(id) ? MF_ENABLED : MF_GRAYED));
  }
}

// A line of one colour from (0, y) far to the right.
void DrawRule(HDC dc, int y, COLORREF colour) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, 0, y, nullptr);
  LineTo(dc, 8000, y);
  SelectObject(dc, old);
  DeleteObject(pen);
}

// The etched rule along the top of the client area: grey over white.
void OnPaint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  DrawRule(dc, 0, RGB(128, 128, 128));
  DrawRule(dc, 1, RGB(255, 255, 255));
  EndPaint(hwnd, &ps);
}

LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (OnEditorCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
  return DefWindowProcA(hwnd, WM_COMMAND, wParam, lParam);
}

// The text control tells of its selection's moves.
LRESULT OnNotify(HWND, int id, NMHDR* header) {
  if (id == kTextControlId && header->code == EN_SELCHANGE) OnEditorSelectionChanged();
  return 0;
}

LRESULT CALLBACK EditorWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(hwnd, WM_CREATE, OnCreate);
    HANDLE_MSG(hwnd, WM_SIZE, OnSize);
    HANDLE_MSG(hwnd, WM_SETFOCUS, OnSetFocus);
    HANDLE_MSG(hwnd, WM_PAINT, OnPaint);
    HANDLE_MSG(hwnd, WM_TIMER, OnTimer);
    HANDLE_MSG(hwnd, WM_CLOSE, OnClose);
    HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    HANDLE_MSG(hwnd, WM_INITMENUPOPUP, OnInitMenuPopup);
    case WM_NOTIFY: return OnNotify(hwnd, static_cast<int>(wParam), reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND: return OnCommand(hwnd, wParam, lParam);
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterEditorClass(HINSTANCE instance) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = EditorWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(ZEP_ICON_PROGRAM));
  wc.hIconSm = wc.hIcon;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  wc.lpszMenuName = MAKEINTRESOURCEA(ZEP_MENU_EDITOR);
  wc.lpszClassName = "ZEP2";
  return RegisterClassExA(&wc) != 0;
}

// Created with the title "Zep2", which its creation replaces.
HWND CreateEditorWindow(HINSTANCE instance, int show) {
  HWND hwnd = CreateWindowExA(0, "ZEP2", "Zep2", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr) return nullptr;
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  return hwnd;
}

}  // namespace zep
