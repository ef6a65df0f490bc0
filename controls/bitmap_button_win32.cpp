#include "controls/bitmap_button_win32.h"

#include <windowsx.h>

#include "controls/bitmap_buttons.h"
#include "core/control_table.h"

namespace zep {

namespace {

WindowRef Ref(HWND hwnd) { return static_cast<WindowRef>(hwnd); }

// The bitmap button: each message goes to the portable button code.
BOOL OnButtonCreateMsg(HWND, LPCREATESTRUCT) {
  OnButtonCreate();
  return TRUE;
}

void OnButtonPaintMsg(HWND hwnd) {
  PAINTSTRUCT ps;
  BeginPaint(hwnd, &ps);
  OnButtonPaint(Ref(hwnd));
  EndPaint(hwnd, &ps);
}

// The pointer position as two 16-bit unsigned numbers, so that a point left
// of or above the button under the capture is far outside it.
void OnButtonMouseMoveMsg(HWND hwnd, LPARAM lParam) {
  OnButtonMouseMove(Ref(hwnd), LOWORD(lParam), HIWORD(lParam));
}
void OnButtonDownMsg(HWND hwnd) { OnButtonDown(Ref(hwnd)); }
void OnButtonUpMsg(HWND hwnd) { OnButtonUp(Ref(hwnd)); }
void OnButtonTimerMsg(HWND hwnd, UINT) { OnButtonTimer(Ref(hwnd)); }
// The window itself stays; only its surface goes.
void OnButtonCloseMsg(HWND hwnd) { OnButtonClose(Ref(hwnd)); }

LRESULT CALLBACK ButtonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(hwnd, WM_CREATE, OnButtonCreateMsg);
    HANDLE_MSG(hwnd, WM_PAINT, OnButtonPaintMsg);
    HANDLE_MSG(hwnd, WM_TIMER, OnButtonTimerMsg);
    HANDLE_MSG(hwnd, WM_CLOSE, OnButtonCloseMsg);
    case WM_MOUSEMOVE: OnButtonMouseMoveMsg(hwnd, lParam); return 0;
    case WM_LBUTTONDOWN: OnButtonDownMsg(hwnd); return 0;
    case WM_LBUTTONUP: OnButtonUpMsg(hwnd); return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

// The hint window's client size, remembered from WM_SIZE; one hint exists
// at a time.
int hint_width = 0, hint_height = 0;

BOOL OnHintCreateMsg(HWND hwnd, LPCREATESTRUCT) {
  OnHintCreate(Ref(hwnd));
  return TRUE;
}
void OnHintDestroyMsg(HWND hwnd) { OnHintDestroy(Ref(hwnd)); }
void OnHintSizeMsg(HWND, UINT, int w, int h) { hint_width = w, hint_height = h; }
// The hint never keeps the focus: it goes back where it came from.
void OnHintSetFocusMsg(HWND, HWND previous) { SetFocus(previous); }
void OnHintTimerMsg(HWND hwnd, UINT) { OnHintTimer(Ref(hwnd)); }

COLORREF Colour(Rgb c) { return RGB(c.r, c.g, c.b); }

// A rounded white box with a black outline and the owner's text in the
// owner's font at (7, 2).
void OnHintPaintMsg(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  int k = bitmap_buttons.hint_owner;
  if (k >= 0 && k < control_table.control_count) {
    const ControlRecord& r = control_table.records[k];
    HGDIOBJ old_font = SelectObject(dc, static_cast<HFONT>(r.font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Colour(bitmap_buttons.hint_text));
    HPEN pen = CreatePen(PS_SOLID, 1, Colour(bitmap_buttons.hint_border));
    HBRUSH brush = CreateSolidBrush(Colour(bitmap_buttons.hint_fill));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, brush);
    RoundRect(dc, 0, 0, hint_width, hint_height, 14, 14);
    TextOutA(dc, 7, 2, r.text, lstrlenA(r.text));
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_font);
    DeleteObject(brush);
    DeleteObject(pen);
  }
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK HintWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(hwnd, WM_CREATE, OnHintCreateMsg);
    HANDLE_MSG(hwnd, WM_DESTROY, OnHintDestroyMsg);
    HANDLE_MSG(hwnd, WM_SIZE, OnHintSizeMsg);
    HANDLE_MSG(hwnd, WM_SETFOCUS, OnHintSetFocusMsg);
    HANDLE_MSG(hwnd, WM_PAINT, OnHintPaintMsg);
    HANDLE_MSG(hwnd, WM_TIMER, OnHintTimerMsg);
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

void RegisterOne(HINSTANCE instance, const char* name, WNDPROC procedure) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.lpszClassName = name;
  RegisterClassExA(&wc);  // fails harmlessly when already registered
}

}  // namespace

void RegisterButtonClasses(HINSTANCE instance) {
  RegisterOne(instance, "BB_class", ButtonWindowProc);
  RegisterOne(instance, "BS_class", HintWindowProc);
}

}  // namespace zep
