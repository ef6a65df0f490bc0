#include "controls/button_model_win32.h"

namespace zep {

namespace {

WindowRef Ref(HWND hwnd) { return static_cast<WindowRef>(hwnd); }
COLORREF Colour(Rgb c) { return RGB(c.r, c.g, c.b); }

void OnButtonPaintMsg(ButtonModel& model, HWND hwnd) {
  PAINTSTRUCT ps;
  BeginPaint(hwnd, &ps);
  model.OnPaint(Ref(hwnd));
  EndPaint(hwnd, &ps);
}

// A rounded box in the hint colours with the owner's hint text in the
// owner's hint font at (7, 2).
void OnHintPaintMsg(ButtonModel& model, HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  const BitmapButtonState& s = model.state;
  if (s.hint_owner >= 0) {
    ButtonView b = model.face.View(s.hint_owner);
    HGDIOBJ old_font = SelectObject(dc, static_cast<HFONT>(b.font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Colour(s.hint_text));
    HPEN pen = CreatePen(PS_SOLID, 1, Colour(s.hint_border));
    HBRUSH brush = CreateSolidBrush(Colour(s.hint_fill));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, brush);
    RoundRect(dc, 0, 0, s.hint_width, s.hint_height, 14, 14);
    TextOutA(dc, 7, 2, b.hint, lstrlenA(b.hint));
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_font);
    DeleteObject(brush);
    DeleteObject(pen);
  }
  EndPaint(hwnd, &ps);
}

}  // namespace

// The pointer position is taken as two 16-bit unsigned numbers, so that a
// point left of or above the button under the capture is far outside it.
// WM_CLOSE leaves the window itself; only its picture goes.
LRESULT ButtonModelProc(ButtonModel& model, HWND hwnd, UINT message, WPARAM wParam,
                        LPARAM lParam) {
  switch (message) {
    case WM_CREATE: model.OnCreate(); return 0;
    case WM_PAINT: OnButtonPaintMsg(model, hwnd); return 0;
    case WM_TIMER: model.OnTimer(Ref(hwnd)); return 0;
    case WM_CLOSE: model.OnClose(Ref(hwnd)); return 0;
    case WM_MOUSEMOVE: model.OnMouseMove(Ref(hwnd), LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_LBUTTONDOWN: model.OnDown(Ref(hwnd)); return 0;
    case WM_LBUTTONUP: model.OnUp(Ref(hwnd)); return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

LRESULT HintModelProc(ButtonModel& model, HWND hwnd, UINT message, WPARAM wParam,
                      LPARAM lParam) {
  switch (message) {
    case WM_CREATE: model.OnHintCreate(Ref(hwnd)); return 0;
    case WM_DESTROY: model.OnHintDestroy(Ref(hwnd)); return 0;
    case WM_SIZE:
      model.state.hint_width = LOWORD(lParam);
      model.state.hint_height = HIWORD(lParam);
      return 0;
    case WM_SETFOCUS:
      SetFocus(static_cast<HWND>(model.face.HintFocusTarget(reinterpret_cast<HWND>(wParam))));
      return 0;
    case WM_PAINT: OnHintPaintMsg(model, hwnd); return 0;
    case WM_TIMER: model.OnHintTimer(Ref(hwnd)); return 0;
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

bool RegisterModelClass(HINSTANCE instance, const char* name, WNDPROC procedure) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0;
}

}  // namespace zep
