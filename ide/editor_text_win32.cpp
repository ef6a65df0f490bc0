#include "ide/editor_text_win32.h"

#include <windowsx.h>
#include <richedit.h>

#include <cstdio>

#include "ide/debugger.h"
#include "ide/editor.h"

namespace zep {

namespace {

WNDPROC control_procedure = nullptr;

constexpr COLORREF kMarginBack = RGB(236, 236, 236);
constexpr COLORREF kMarginNumber = RGB(128, 128, 128);
constexpr COLORREF kCaretLineBack = RGB(210, 222, 240);
constexpr COLORREF kCaretLineNumber = RGB(0, 0, 0);
constexpr COLORREF kBreakpointBack = RGB(220, 40, 40);
constexpr COLORREF kBreakpointNumber = RGB(255, 255, 255);
constexpr COLORREF kPausedBack = RGB(255, 214, 0);
constexpr COLORREF kSectionBar = RGB(0, 160, 60);
constexpr int kSectionBarWidth = 4;
constexpr int kMarginGap = 8;
constexpr int kTextPixels = 16;
constexpr wchar_t kFace[] = L"ＭＳ ゴシック";

int CaretLine(HWND control) {
  CHARRANGE range = {};
  SendMessageW(control, EM_EXGETSEL, 0, (LPARAM)&range);
  return static_cast<int>(SendMessageW(control, EM_EXLINEFROMCHAR, 0, range.cpMax));
}

int LineTop(HWND control, int line) {
  LRESULT start = SendMessageW(control, EM_LINEINDEX, line, 0);
  if (start < 0) return -1;
  POINTL p = {};
  SendMessageW(control, EM_POSFROMCHAR, (WPARAM)&p, start);
  return p.y;
}

void Band(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

// The line numbers from the first line shown to the bottom, the caret's
// line on a band of its own; a breakpoint's line on red, the line where a
// run waits on yellow, a bar beside the name of the section that runs.
void PaintNumbers(HWND control) {
  int width = NumberMarginWidth(control, editor.digits);
  RECT client;
  GetClientRect(control, &client);
  HDC dc = GetDC(control);
  RECT margin = {0, 0, width - kMarginGap / 2, client.bottom};
  HBRUSH back = CreateSolidBrush(kMarginBack);
  FillRect(dc, &margin, back);
  DeleteObject(back);
  HFONT font = EditorFont(TextPixels(editor.zoom));
  HGDIOBJ old_font = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  int count = static_cast<int>(SendMessageW(control, EM_GETLINECOUNT, 0, 0));
  int caret = CaretLine(control);
  int first = static_cast<int>(SendMessageW(control, EM_GETFIRSTVISIBLELINE, 0, 0));
  // Every line is as high as the next one's distance: one font, one size.
  int top = LineTop(control, first);
  int height = first + 1 < count ? LineTop(control, first + 1) - top : metrics.tmHeight;
  if (height <= 0) height = metrics.tmHeight;
  int32_t paused = PausedLine(), section = RunningSectionLine();
  for (int line = first; line < count && top <= client.bottom; ++line, top += height) {
    RECT row = {0, top, margin.right, top + height};
    bool breakpoint = HasBreakpoint(line);
    COLORREF ink = line == caret ? kCaretLineNumber : kMarginNumber;
    if (line == paused) {
      Band(dc, row, kPausedBack);
      ink = kCaretLineNumber;
    } else if (breakpoint) {
      Band(dc, row, kBreakpointBack);
      ink = kBreakpointNumber;
    } else if (line == caret) {
      Band(dc, row, kCaretLineBack);
    }
    if (breakpoint && line == paused) Band(dc, {row.right - kSectionBarWidth, row.top, row.right, row.bottom},
                                          kBreakpointBack);
    if (line == section) Band(dc, {0, row.top, kSectionBarWidth, row.bottom}, kSectionBar);
    SetTextColor(dc, ink);
    char number[16];
    std::snprintf(number, sizeof number, "%d ", line + 1);
    DrawTextA(dc, number, -1, &row, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  SelectObject(dc, old_font);
  DeleteObject(font);
  ReleaseDC(control, dc);
}

LRESULT Default(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(control_procedure, hwnd, message, wParam, lParam);
}

LRESULT OnPaint(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  OnEditorTextPaint();
  LRESULT result = Default(hwnd, WM_PAINT, wParam, lParam);
  PaintNumbers(hwnd);
  return result;
}

// Enter makes its line end in the key's press (the character that follows
// it is dropped), or at the character when it comes alone, as an input
// method may send it.
bool enter_pressed = false;

LRESULT OnChar(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (wParam == '\r' && enter_pressed) {
    enter_pressed = false;
    return 0;
  }
  if (wParam == '\t' && OnEditorTextTab(GetKeyState(VK_SHIFT) < 0)) return 0;
  if (OnEditorTextChar(static_cast<unsigned>(wParam))) return 0;
  return Default(hwnd, WM_CHAR, wParam, lParam);
}

// Pastes take the clipboard's plain text only.
LRESULT PastePlain(HWND hwnd) {
  SendMessageW(hwnd, EM_PASTESPECIAL, CF_UNICODETEXT, 0);
  return 0;
}

LRESULT OnKeyDown(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  if ((ctrl && wParam == 'V') || (shift && wParam == VK_INSERT)) return PastePlain(hwnd);
  if (wParam == VK_RETURN && !ctrl) {
    enter_pressed = OnEditorTextChar('\r');
    if (enter_pressed) return 0;
  }
  return Default(hwnd, WM_KEYDOWN, wParam, lParam);
}

// A click in the margin sets or clears the breakpoint of its line.
LRESULT OnButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  int x = GET_X_LPARAM(lParam);
  int margin = NumberMarginWidth(hwnd, editor.digits) - kMarginGap / 2;
  if (x >= margin) return Default(hwnd, WM_LBUTTONDOWN, wParam, lParam);
  POINTL at = {margin + kMarginGap, GET_Y_LPARAM(lParam)};
  LRESULT character = SendMessageW(hwnd, EM_CHARFROMPOS, 0, (LPARAM)&at);
  ToggleBreakpoint(static_cast<int32_t>(SendMessageW(hwnd, EM_EXLINEFROMCHAR, 0, character)));
  return 0;
}

LRESULT OnMouseWheel(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if ((GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) == 0) {
    return Default(hwnd, WM_MOUSEWHEEL, wParam, lParam);
  }
  ZoomEditorText(GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? 1 : -1);
  return 0;
}

LRESULT OnSize(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  LRESULT result = Default(hwnd, WM_SIZE, wParam, lParam);
  PlaceTextRect(hwnd);
  return result;
}

LRESULT CALLBACK TextProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: return OnPaint(hwnd, wParam, lParam);
    case WM_CHAR: return OnChar(hwnd, wParam, lParam);
    case WM_KEYDOWN: return OnKeyDown(hwnd, wParam, lParam);
    case WM_PASTE: return PastePlain(hwnd);
    case WM_MOUSEWHEEL: return OnMouseWheel(hwnd, wParam, lParam);
    case WM_LBUTTONDOWN: return OnButtonDown(hwnd, wParam, lParam);
    case WM_SIZE: return OnSize(hwnd, wParam, lParam);
    default: return Default(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void HookEditorText(HWND control) {
  WNDPROC old = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TextProcedure)));
  if (control_procedure == nullptr) control_procedure = old;
}

HFONT EditorFont(int pixels) {
  return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_TT_PRECIS, 0, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, kFace);
}

namespace {

// The underscore's lowest row lies above the font's last row.
bool KeepsUnderscore(HDC dc, int pixels) {
  HFONT font = EditorFont(pixels);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  GLYPHMETRICS glyph = {};
  const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  DWORD got = GetGlyphOutlineW(dc, L'_', GGO_METRICS, &glyph, 0, nullptr, &identity);
  SelectObject(dc, old);
  DeleteObject(font);
  if (got == GDI_ERROR) return true;
  int below = static_cast<int>(glyph.gmBlackBoxY) - glyph.gmptGlyphOrigin.y;
  return below < metrics.tmDescent;
}

}  // namespace

int TextPixels(int percent) {
  int wanted = (kTextPixels * percent + 50) / 100;
  HDC dc = GetDC(nullptr);
  int found = wanted;
  for (int step = 0; step <= 3; ++step) {
    if (wanted - step > 4 && KeepsUnderscore(dc, wanted - step)) {
      found = wanted - step;
      break;
    }
    if (step > 0 && KeepsUnderscore(dc, wanted + step)) {
      found = wanted + step;
      break;
    }
  }
  ReleaseDC(nullptr, dc);
  return found;
}

int CharacterWidth(HWND control, int pixels) {
  HDC dc = GetDC(control);
  HFONT font = EditorFont(pixels);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size = {};
  GetTextExtentPoint32A(dc, "0", 1, &size);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(control, dc);
  return size.cx;
}

int NumberMarginWidth(HWND control, int digits) {
  return (digits + 1) * CharacterWidth(control, TextPixels(editor.zoom)) + kMarginGap;
}

void PlaceTextRect(HWND control) {
  RECT rect;
  GetClientRect(control, &rect);
  rect.left = NumberMarginWidth(control, editor.digits);
  SendMessageW(control, EM_SETRECT, 0, (LPARAM)&rect);
}

}  // namespace zep
