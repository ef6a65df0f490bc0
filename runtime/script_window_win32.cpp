#include "runtime/script_window_win32.h"

#include <windowsx.h>

#include "resources/resource_ids.h"

namespace zep {

namespace {

WindowRef Ref(HWND hwnd) { return static_cast<WindowRef>(hwnd); }

// The event of a mouse-button message (WM_LBUTTONDOWN .. WM_MBUTTONDBLCLK).
const char* MouseButtonEvent(UINT message) {
  static const char* const kEvents[] = {
      "LBUTTONDOWN", "LBUTTONUP", "LBUTTONDBLCLK", "RBUTTONDOWN", "RBUTTONUP",
      "RBUTTONDBLCLK", "MBUTTONDOWN", "MBUTTONUP", "MBUTTONDBLCLK"};
  return kEvents[message - WM_LBUTTONDOWN];
}

// What a scroll-bar code asks for.
ScrollStep ScrollStepOf(UINT code) {
  switch (code) {
    case SB_LINEUP: return ScrollStep::kLineBack;
    case SB_LINEDOWN: return ScrollStep::kLineForward;
    case SB_THUMBPOSITION: return ScrollStep::kThumb;
    default: return ScrollStep::kOther;
  }
}

void OnPaint(const ScriptWindowEvents& events, HWND hwnd) {
  PAINTSTRUCT ps;
  BeginPaint(hwnd, &ps);
  EndPaint(hwnd, &ps);
  events.section(Ref(hwnd), "PAINT");
}

void OnClose(const ScriptWindowEvents& events, HWND hwnd) {
  if (events.close(Ref(hwnd))) DestroyWindow(hwnd);
}

// The window's own scroll bars send no handle; a scroll-bar control sends
// its own. The position is the high word of wParam as the platform gives
// it, with no sign.
void OnScroll(const ScriptWindowEvents& events, HWND hwnd, UINT message, WPARAM wParam,
              LPARAM lParam) {
  ScrollBar bar = message == WM_HSCROLL ? ScrollBar::kHorizontal : ScrollBar::kVertical;
  events.scroll(Ref(hwnd), Ref(reinterpret_cast<HWND>(lParam)), bar, ScrollStepOf(LOWORD(wParam)),
                HIWORD(wParam));
}

}  // namespace

// One small step per message; the work is in the portable event code.
// WM_MOVE, WM_SIZE and WM_MOUSEMOVE give 16-bit unsigned values; scripts
// see them so.
LRESULT ScriptWindowMessage(const ScriptWindowEvents& events, HWND hwnd, UINT message,
                            WPARAM wParam, LPARAM lParam) {
  WindowRef window = Ref(hwnd);
  switch (message) {
    case WM_CREATE: events.create(window); return 0;
    case WM_DESTROY: events.destroy(window); return 0;
    case WM_PAINT: OnPaint(events, hwnd); return 0;
    case WM_CLOSE: OnClose(events, hwnd); return 0;
    case WM_COMMAND:
      events.command(window, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_SETFOCUS: events.set_focus(window); return 0;
    case WM_KILLFOCUS: events.section(window, "KILLFOCUS"); return 0;
    case WM_TIMER: events.timer(window); return 0;
    case WM_MOVE: events.move(window, LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SIZE: events.size(window, LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_MOUSEMOVE: events.mouse_move(window, LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_KEYDOWN: events.key(window, true, static_cast<uint32_t>(wParam)); return 0;
    case WM_KEYUP: events.key(window, false, static_cast<uint32_t>(wParam)); return 0;
    case WM_CHAR: events.character(window, static_cast<uint32_t>(wParam)); return 0;
    case WM_HSCROLL: case WM_VSCROLL: OnScroll(events, hwnd, message, wParam, lParam); return 0;
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
      events.section(window, MouseButtonEvent(message));
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
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

bool RegisterScriptClass(HINSTANCE instance, const char* name, WNDPROC procedure, int background) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(ZEP_ICON_PROGRAM));
  wc.hIconSm = wc.hIcon;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = BackgroundBrush(background);
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0;
}

}  // namespace zep
