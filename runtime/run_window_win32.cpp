#include "runtime/run_window_win32.h"

#include <windowsx.h>
#include <mmsystem.h>

#include "core/run_settings.h"
#include "media/sounds.h"
#include "resources/resource_ids.h"
#include "runtime/events.h"

namespace zep {

namespace {

bool run_class_registered = false;

WindowRef Ref(HWND hwnd) { return static_cast<WindowRef>(hwnd); }

BOOL OnCreate(HWND hwnd, LPCREATESTRUCT) {
  OnRunCreate(Ref(hwnd));
  return TRUE;
}

void OnDestroy(HWND hwnd) { OnRunDestroy(Ref(hwnd)); }

void OnPaint(HWND hwnd) {
  PAINTSTRUCT ps;
  BeginPaint(hwnd, &ps);
  EndPaint(hwnd, &ps);
  OnRunEvent(Ref(hwnd), "PAINT");
}

void OnClose(HWND hwnd) {
  if (OnRunClose(Ref(hwnd))) DestroyWindow(hwnd);
}

void OnCommand(HWND hwnd, int id, HWND, UINT code) {
  OnRunCommand(Ref(hwnd), id, static_cast<int>(code));
}

// WM_MOVE and WM_SIZE give 16-bit unsigned values; scripts see them so.
void OnMove(HWND hwnd, LPARAM lParam) { OnRunMove(Ref(hwnd), LOWORD(lParam), HIWORD(lParam)); }
void OnSize(HWND hwnd, LPARAM lParam) { OnRunSize(Ref(hwnd), LOWORD(lParam), HIWORD(lParam)); }
void OnMouseMove(HWND hwnd, LPARAM lParam) {
  OnRunMouseMove(Ref(hwnd), LOWORD(lParam), HIWORD(lParam));
}

void OnSetFocus(HWND hwnd, HWND) { OnRunSetFocus(Ref(hwnd)); }
void OnKillFocus(HWND hwnd, HWND) { OnRunEvent(Ref(hwnd), "KILLFOCUS"); }
void OnKeyDown(HWND hwnd, WPARAM key) { OnRunKey(Ref(hwnd), true, static_cast<uint32_t>(key)); }
void OnKeyUp(HWND hwnd, WPARAM key) { OnRunKey(Ref(hwnd), false, static_cast<uint32_t>(key)); }
void OnChar(HWND hwnd, WPARAM code) { OnRunChar(Ref(hwnd), static_cast<uint32_t>(code)); }
void OnTimer(HWND hwnd, UINT) { OnRunTimer(Ref(hwnd)); }


// The window's own scroll bars send no handle; a scroll-bar control sends its own.
void OnScroll(HWND hwnd, HWND control, UINT code, int pos, ScrollBar bar) {
  if (control == nullptr) {
    OnRunScroll(Ref(hwnd), bar, ScrollStepOf(code), pos);
  } else {
    OnRunControlScroll(Ref(hwnd), Ref(control), ScrollStepOf(code), pos);
  }
}
void OnHScroll(HWND hwnd, HWND control, UINT code, int pos) {
  OnScroll(hwnd, control, code, pos, ScrollBar::kHorizontal);
}
void OnVScroll(HWND hwnd, HWND control, UINT code, int pos) {
  OnScroll(hwnd, control, code, pos, ScrollBar::kVertical);
}

// Mouse buttons: the section of each button message.
void OnButton(HWND hwnd, UINT message) { OnRunEvent(Ref(hwnd), MouseButtonEvent(message)); }

// One small handler per message; the work is in the portable event code.
// The scroll messages are cracked by hand: the position is the high word of
// wParam as the platform gives it, with no sign.
LRESULT CALLBACK RunWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(hwnd, WM_CREATE, OnCreate);
    HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    HANDLE_MSG(hwnd, WM_PAINT, OnPaint);
    HANDLE_MSG(hwnd, WM_CLOSE, OnClose);
    HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
    HANDLE_MSG(hwnd, WM_SETFOCUS, OnSetFocus);
    HANDLE_MSG(hwnd, WM_KILLFOCUS, OnKillFocus);
    HANDLE_MSG(hwnd, WM_TIMER, OnTimer);
    case WM_MOVE: OnMove(hwnd, lParam); return 0;
    case WM_SIZE: OnSize(hwnd, lParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, lParam); return 0;
    case WM_KEYDOWN: OnKeyDown(hwnd, wParam); return 0;
    case WM_KEYUP: OnKeyUp(hwnd, wParam); return 0;
    case WM_CHAR: OnChar(hwnd, wParam); return 0;
    case MM_MCINOTIFY: OnSoundNotify(Ref(hwnd), static_cast<uint32_t>(wParam)); return 0;
    case WM_HSCROLL:
      OnHScroll(hwnd, reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_VSCROLL:
      OnVScroll(hwnd, reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
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

}  // namespace

const char* MouseButtonEvent(UINT message) {
  static const char* const kEvents[] = {
      "LBUTTONDOWN", "LBUTTONUP", "LBUTTONDBLCLK", "RBUTTONDOWN", "RBUTTONUP",
      "RBUTTONDBLCLK", "MBUTTONDOWN", "MBUTTONUP", "MBUTTONDBLCLK"};
  return kEvents[message - WM_LBUTTONDOWN];
}

HBRUSH BackgroundBrush(int colour) {
  switch (colour) {
    case -1: return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case 0: return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    case 14: return static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    case 15: return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    case 16: return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    default: return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  }
}

ScrollStep ScrollStepOf(UINT code) {
  switch (code) {
    case SB_LINEUP: return ScrollStep::kLineBack;
    case SB_LINEDOWN: return ScrollStep::kLineForward;
    case SB_THUMBPOSITION: return ScrollStep::kThumb;
    default: return ScrollStep::kOther;
  }
}

bool RegisterRunClass(HINSTANCE instance) {
  if (run_class_registered) UnregisterClassA("RUN", instance);
  run_class_registered = true;
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = RunWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(ZEP_ICON_PROGRAM));
  wc.hIconSm = wc.hIcon;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = BackgroundBrush(settings.background);
  wc.lpszClassName = "RUN";
  return RegisterClassExA(&wc) != 0;
}

HWND CreateRunWindow(HINSTANCE instance, HWND owner) {
  HWND hwnd = CreateWindowExA(0, "RUN", settings.caption, settings.window_style, settings.win_l,
                              settings.win_t, settings.win_x, settings.win_y, owner, nullptr,
                              instance, nullptr);
  if (hwnd == nullptr) return nullptr;
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  return hwnd;
}

}  // namespace zep
