#include "runtime/dialog_window_win32.h"

#include <windows.h>
#include <windowsx.h>

#include "resources/resource_ids.h"
#include "runtime/dialog.h"
#include "runtime/run_window_win32.h"

namespace zep {

namespace {

constexpr UINT_PTR kDialogTimer = 2;

WindowRef Ref(HWND hwnd) { return static_cast<WindowRef>(hwnd); }

BOOL OnCreate(HWND hwnd, LPCREATESTRUCT) {
  OnDialogCreate(Ref(hwnd));
  return TRUE;
}

void OnDestroy(HWND hwnd) { OnDialogDestroy(Ref(hwnd)); }

void OnPaint(HWND hwnd) {
  PAINTSTRUCT ps;
  BeginPaint(hwnd, &ps);
  EndPaint(hwnd, &ps);
  OnDialogEvent(Ref(hwnd), "PAINT");
}

void OnClose(HWND hwnd) {
  if (OnDialogClose(Ref(hwnd))) DestroyWindow(hwnd);
}

void OnCommand(HWND hwnd, int id, HWND, UINT code) {
  OnDialogCommand(Ref(hwnd), id, static_cast<int>(code));
}

void OnSetFocus(HWND hwnd, HWND) { OnDialogSetFocus(Ref(hwnd)); }
void OnKillFocus(HWND hwnd, HWND) { OnDialogEvent(Ref(hwnd), "KILLFOCUS"); }
void OnTimer(HWND hwnd, UINT) { OnDialogTimer(Ref(hwnd)); }
void OnKey(HWND hwnd, WPARAM key, bool down) {
  OnDialogKey(Ref(hwnd), down, static_cast<uint32_t>(key));
}

// Scroll-bar controls only; the dialog has no scroll bars of its own.
void OnScroll(HWND hwnd, HWND control, UINT code, int pos) {
  if (control != nullptr) {
    OnDialogControlScroll(Ref(hwnd), Ref(control), ScrollStepOf(code), pos);
  }
}

void OnButton(HWND hwnd, UINT message) { OnDialogEvent(Ref(hwnd), MouseButtonEvent(message)); }

// One small handler per message; the work is in the portable dialog code.
LRESULT CALLBACK DlgWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(hwnd, WM_CREATE, OnCreate);
    HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    HANDLE_MSG(hwnd, WM_PAINT, OnPaint);
    HANDLE_MSG(hwnd, WM_CLOSE, OnClose);
    HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
    HANDLE_MSG(hwnd, WM_SETFOCUS, OnSetFocus);
    HANDLE_MSG(hwnd, WM_KILLFOCUS, OnKillFocus);
    HANDLE_MSG(hwnd, WM_TIMER, OnTimer);
    case WM_MOVE: OnDialogEvent(Ref(hwnd), "MOVE"); return 0;
    case WM_SIZE: OnDialogEvent(Ref(hwnd), "SIZE"); return 0;
    case WM_MOUSEMOVE: OnDialogMouseMove(Ref(hwnd)); return 0;
    case WM_KEYDOWN: OnKey(hwnd, wParam, true); return 0;
    case WM_KEYUP: OnKey(hwnd, wParam, false); return 0;
    case WM_CHAR: OnDialogChar(Ref(hwnd), static_cast<uint32_t>(wParam)); return 0;
    case WM_HSCROLL: case WM_VSCROLL:
      OnScroll(hwnd, reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
      OnButton(hwnd, message);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

class Win32DialogSystem : public DialogSystem {
 public:
  WindowRef OpenDialog(WindowRef owner, const DialogSettings& s) override {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (registered_) UnregisterClassA("DLG", instance);
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = DlgWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(ZEP_ICON_PROGRAM));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = BackgroundBrush(s.background);
    wc.lpszClassName = "DLG";
    registered_ = RegisterClassExA(&wc) != 0;
    HWND dialog = CreateWindowExA(0, "DLG", s.caption, s.style, s.left, s.top, s.width, s.height,
                                  static_cast<HWND>(owner), nullptr, instance, nullptr);
    if (dialog == nullptr) return nullptr;
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    return Ref(dialog);
  }

  void DestroyDialog(WindowRef dialog) override { DestroyWindow(static_cast<HWND>(dialog)); }

  void StartDialogTimer(WindowRef dialog, int32_t ms) override {
    SetTimer(static_cast<HWND>(dialog), kDialogTimer, static_cast<UINT>(ms), nullptr);
  }

  void StopDialogTimer(WindowRef dialog) override {
    KillTimer(static_cast<HWND>(dialog), kDialogTimer);
  }

 private:
  bool registered_ = false;
};

}  // namespace

DialogSystem* Win32Dialogs() {
  static Win32DialogSystem dialogs;
  return &dialogs;
}

}  // namespace zep
