// The font assist (dialog 133): the sorted list 205 of the installed
// Shift-JIS font families, the style radio buttons 201..204, the sample
// painted in the client area, the check box 1024 for the name alone, and
// the buttons 1003..1005.
#include <windows.h>

#include <string>

#include "assist/assist_dialogs.h"
#include "assist/assist_output.h"
#include "assist/font_assist.h"
#include "resources/resource_ids.h"

namespace zep {

namespace {

constexpr int kDialogId = ZEP_DIALOG_FONT_ASSIST;
constexpr int kFaceList = ZEP_FONT_FACES, kNameOnly = ZEP_FONT_NAME_ONLY;

// The state of one opening.
FontList fonts;
int style = kFirstFontStyle;
int output_mode = 0;

int CALLBACK AddFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM) {
  return fonts.Add(font->lfFaceName) ? 1 : 0;  // 0 ends the enumeration
}

void EnumerateFonts(HWND dialog) {
  fonts = FontList();
  LOGFONTA wanted = {};
  wanted.lfCharSet = SHIFTJIS_CHARSET;
  HDC dc = GetDC(dialog);
  EnumFontFamiliesExA(dc, &wanted, AddFamily, 0, 0);
  ReleaseDC(dialog, dc);
}

// The selected face, empty when the list has no selection.
std::string SelectedFace(HWND dialog) {
  HWND list = GetDlgItem(dialog, kFaceList);
  LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR || SendMessageA(list, LB_GETTEXTLEN, index, 0) >= LF_FACESIZE) return "";
  char face[LF_FACESIZE] = "";
  SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(face));
  return face;
}

void DrawSample(HWND dialog, HDC dc) {
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
  HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, brush);
  Rectangle(dc, kSampleLeft, kSampleTop, kSampleRight, kSampleBottom);
  SampleFont f = SampleFontFor(style);
  HFONT font = CreateFontA(f.height, f.width, 0, 0, f.weight, f.italic, FALSE, FALSE, f.charset,
                           f.out_precision, f.clip_precision, f.quality, f.pitch_and_family,
                           SelectedFace(dialog).c_str());
  HGDIOBJ old_font = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 255));
  TextOutA(dc, kSampleX, kSampleY, kFontSample, lstrlenA(kFontSample));
  SelectObject(dc, old_font);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(font);
  DeleteObject(brush);
  DeleteObject(pen);
}

void ShowSample(HWND dialog) {
  HDC dc = GetDC(dialog);
  DrawSample(dialog, dc);
  ReleaseDC(dialog, dc);
}

BOOL OnInitDialog(HWND dialog) {
  EnumerateFonts(dialog);
  HWND list = GetDlgItem(dialog, kFaceList);
  for (int i = 0; i < fonts.count(); ++i) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fonts.at(i).c_str()));
  }
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  CheckRadioButton(dialog, kFirstFontStyle, kLastFontStyle, kFirstFontStyle);
  style = kFirstFontStyle;
  output_mode = 0;
  SetFocus(list);
  return FALSE;  // the focus is set
}

void OnPaint(HWND dialog) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(dialog, &ps);
  DrawSample(dialog, dc);
  EndPaint(dialog, &ps);
}

void OnCommand(HWND dialog, int id, int code) {
  if (id >= kFirstFontStyle && id <= kLastFontStyle) {
    style = id;
    ShowSample(dialog);
    return;
  }
  switch (id) {
    case kFaceList:
      if (code == LBN_SELCHANGE) ShowSample(dialog);
      break;
    case kNameOnly: output_mode = 1 - output_mode; break;
    case kAssistPaste:
    case kAssistCopy:
      SetAssistOutput(FontText(SelectedFace(dialog).c_str(), style, output_mode).c_str());
      EndDialog(dialog, id);
      break;
    case kAssistCancel:
    case IDCANCEL: EndDialog(dialog, kAssistCancel); break;
    default: break;
  }
}

INT_PTR CALLBACK FontAssistProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_PAINT: OnPaint(dialog); return TRUE;
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    default: return FALSE;
  }
}

}  // namespace

int ShowFontAssist(WindowRef owner) {
  return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kDialogId),
                                          static_cast<HWND>(owner), FontAssistProc, 0));
}

}  // namespace zep
