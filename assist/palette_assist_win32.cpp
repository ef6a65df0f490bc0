// The palette assist (dialog 132): three scroll bars 101..103 for the red,
// green and blue levels, the swatch painted in the client area, the check
// box 1023 for the colour data alone, and the buttons 1003..1005.
#include <windows.h>

#include "assist/assist_dialogs.h"
#include "assist/assist_output.h"
#include "assist/palette_assist.h"
#include "resources/resource_ids.h"

namespace zep {

namespace {

constexpr int kDialogId = ZEP_DIALOG_PALETTE_ASSIST;
constexpr int kRedBar = ZEP_PALETTE_RED, kGreenBar = ZEP_PALETTE_GREEN, kBlueBar = ZEP_PALETTE_BLUE;
constexpr int kDataOnly = ZEP_PALETTE_DATA_ONLY;

// 0: the whole SetPal command; 1: the colour data alone. Set at each opening.
int output_mode = 0;

int* LevelOf(int bar) {
  switch (bar) {
    case kRedBar: return &palette_levels.red;
    case kGreenBar: return &palette_levels.green;
    case kBlueBar: return &palette_levels.blue;
    default: return nullptr;
  }
}

void ShowThumbs(HWND dialog) {
  for (int bar = kRedBar; bar <= kBlueBar; ++bar) {
    SetScrollPos(GetDlgItem(dialog, bar), SB_CTL, *LevelOf(bar), TRUE);
  }
}

void PaintSwatch(HDC dc) {
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  HBRUSH brush = CreateSolidBrush(RGB(palette_levels.red, palette_levels.green, palette_levels.blue));
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, brush);
  Rectangle(dc, kSwatchLeft, kSwatchTop, kSwatchRight, kSwatchBottom);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(brush);
  DeleteObject(pen);
}

BOOL OnInitDialog(HWND dialog) {
  for (int bar = kRedBar; bar <= kBlueBar; ++bar) {
    SetScrollRange(GetDlgItem(dialog, bar), SB_CTL, 0, 255, FALSE);
  }
  output_mode = 0;
  ShowThumbs(dialog);
  SetFocus(GetDlgItem(dialog, kRedBar));
  return FALSE;  // the focus is set
}

void OnPaint(HWND dialog) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(dialog, &ps);
  ShowThumbs(dialog);
  PaintSwatch(dc);
  EndPaint(dialog, &ps);
}

void OnScroll(HWND dialog, HWND bar, int code, int pos) {
  int* level = LevelOf(GetDlgCtrlID(bar));
  if (level == nullptr || !ScrollLevel(level, code, pos)) return;
  SetScrollPos(bar, SB_CTL, *level, TRUE);
  HDC dc = GetDC(dialog);
  PaintSwatch(dc);
  ReleaseDC(dialog, dc);
}

void OnCommand(HWND dialog, int id) {
  switch (id) {
    case kDataOnly: output_mode = 1 - output_mode; break;
    case kAssistPaste:
    case kAssistCopy:
      SetAssistOutput(PaletteText(palette_levels, output_mode).c_str());
      EndDialog(dialog, id);
      break;
    case kAssistCancel:
    case IDCANCEL: EndDialog(dialog, kAssistCancel); break;
    default: break;
  }
}

INT_PTR CALLBACK PaletteAssistProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_PAINT: OnPaint(dialog); return TRUE;
    case WM_HSCROLL:
      OnScroll(dialog, reinterpret_cast<HWND>(lParam), LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
      return TRUE;
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam)); return TRUE;
    default: return FALSE;
  }
}

}  // namespace

int ShowPaletteAssist(WindowRef owner) {
  return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kDialogId),
                                          static_cast<HWND>(owner), PaletteAssistProc, 0));
}

}  // namespace zep
