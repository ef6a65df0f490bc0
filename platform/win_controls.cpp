// The Win32 control system: child windows, their fonts, place and focus,
// and scroll-bar controls.
#include "platform/win_controls.h"

#include <windows.h>
#include <richedit.h>

#include "core/text.h"

namespace zep {

namespace {

HWND Hwnd(WindowRef w) { return static_cast<HWND>(w); }

// The rich text control (the editor's text) keeps a line end as one
// character; the others, and the editor's code, count it two.
bool KeepsLineEndsAsOne(HWND control) {
  char name[16] = "";
  GetClassNameA(control, name, sizeof name);
  return lstrcmpiA(name, "RICHEDIT50W") == 0;
}

class Win32ControlSystem : public ControlSystem {
 public:
  WindowRef CreateChild(WindowRef parent, const char* class_name, const char* text,
                        uint32_t style, int32_t x, int32_t y, int32_t w, int32_t h,
                        int child_id) override {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Hwnd(parent), GWLP_HINSTANCE));
    return CreateWindowExA(0, class_name, text, style, x, y, w, h, Hwnd(parent),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(child_id)), instance,
                           nullptr);
  }

  FontRef MakeFont(const ControlFont& f) override {
    return CreateFontA(f.height, f.width, 0, 0, f.weight, f.italic, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_TT_PRECIS, 0, DRAFT_QUALITY, FIXED_PITCH | FF_ROMAN, f.face);
  }

  void FreeFont(FontRef font) override { DeleteObject(static_cast<HFONT>(font)); }

  void SetFont(WindowRef control, FontRef font) override {
    SendMessageA(Hwnd(control), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }

  void PlaceControl(WindowRef control, int32_t x, int32_t y, int32_t w, int32_t h) override {
    SetWindowPos(Hwnd(control), HWND_TOP, x, y, w, h, SWP_SHOWWINDOW);
  }

  void SetFocusTo(WindowRef window) override { SetFocus(Hwnd(window)); }

  void SetScrollBarRange(WindowRef control, int32_t max, bool redraw) override {
    SetScrollRange(Hwnd(control), SB_CTL, 0, max, redraw);
  }

  void SetScrollBarPos(WindowRef control, int32_t pos) override {
    SetScrollPos(Hwnd(control), SB_CTL, pos, TRUE);
  }

  int32_t GetScrollBarPos(WindowRef control) override { return GetScrollPos(Hwnd(control), SB_CTL); }

  std::string GetText(WindowRef control) override {
    std::string text(static_cast<size_t>(TextLength(control)) + 1, '\0');
    LRESULT got = SendMessageA(Hwnd(control), WM_GETTEXT, text.size(), (LPARAM)&text[0]);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
  }

  int32_t TextLength(WindowRef control) override {
    return static_cast<int32_t>(SendMessageA(Hwnd(control), WM_GETTEXTLENGTH, 0, 0));
  }

  void SetText(WindowRef control, const char* text) override {
    SendMessageA(Hwnd(control), WM_SETTEXT, 0, (LPARAM)text);
  }

  void ReplaceSelection(WindowRef control, const char* text) override {
    SendMessageA(Hwnd(control), EM_REPLACESEL, TRUE, (LPARAM)text);
  }

  void SetSelection(WindowRef control, int32_t start, int32_t end) override {
    if (KeepsLineEndsAsOne(Hwnd(control))) {
      std::string text = GetText(control);
      if (start > 0) start = RichOffsetOf(text, start);
      if (end > 0) end = RichOffsetOf(text, end);
    }
    SendMessageA(Hwnd(control), EM_SETSEL, (WPARAM)start, (LPARAM)end);
    SendMessageA(Hwnd(control), EM_SCROLLCARET, 0, 0);
  }

  void GetSelection(WindowRef control, int32_t* start, int32_t* end) override {
    DWORD s = 0, e = 0;
    SendMessageA(Hwnd(control), EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    *start = static_cast<int32_t>(s);
    *end = static_cast<int32_t>(e);
    if (KeepsLineEndsAsOne(Hwnd(control))) {  // each line before adds its "\n"
      *start += static_cast<int32_t>(SendMessageA(Hwnd(control), EM_EXLINEFROMCHAR, 0, s));
      *end += static_cast<int32_t>(SendMessageA(Hwnd(control), EM_EXLINEFROMCHAR, 0, e));
    }
  }

  bool IsModified(WindowRef control) override {
    return SendMessageA(Hwnd(control), EM_GETMODIFY, 0, 0) != 0;
  }

  void ClearModified(WindowRef control) override {
    SendMessageA(Hwnd(control), EM_SETMODIFY, FALSE, 0);
  }

  void EditCommand(WindowRef control, EditOp op) override {
    static const UINT kMessages[] = {WM_COPY, WM_CUT, WM_PASTE, WM_CLEAR, EM_UNDO, EM_REDO};
    SendMessageA(Hwnd(control), kMessages[static_cast<int>(op)], 0, 0);
  }

  void AddItem(WindowRef control, bool combo, const char* text) override {
    SendMessageA(Hwnd(control), combo ? CB_ADDSTRING : LB_ADDSTRING, 0, (LPARAM)text);
  }

  int32_t SelectedItem(WindowRef control, bool combo) override {
    return static_cast<int32_t>(SendMessageA(Hwnd(control), combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
  }

  void SelectItem(WindowRef control, bool combo, int32_t index) override {
    SendMessageA(Hwnd(control), combo ? CB_SETCURSEL : LB_SETCURSEL, (WPARAM)index, 0);
  }

  std::string ItemText(WindowRef control, bool combo, int32_t index) override {
    LRESULT length = SendMessageA(Hwnd(control), combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN,
                                  (WPARAM)index, 0);
    if (length < 0) return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(Hwnd(control), combo ? CB_GETLBTEXT : LB_GETTEXT, (WPARAM)index,
                               (LPARAM)&text[0]);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
  }

  void ClearItems(WindowRef control, bool combo) override {
    SendMessageA(Hwnd(control), combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  }

  int32_t ItemCount(WindowRef control, bool combo) override {
    return static_cast<int32_t>(SendMessageA(Hwnd(control), combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
  }

  void InsertItem(WindowRef control, bool combo, int32_t index, const char* text) override {
    SendMessageA(Hwnd(control), combo ? CB_INSERTSTRING : LB_INSERTSTRING, (WPARAM)index,
                 (LPARAM)text);
  }

  void DeleteItem(WindowRef control, bool combo, int32_t index) override {
    SendMessageA(Hwnd(control), combo ? CB_DELETESTRING : LB_DELETESTRING, (WPARAM)index, 0);
  }

  void SetCheck(WindowRef control, bool checked) override {
    SendMessageA(Hwnd(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  bool GetCheck(WindowRef control) override {
    return SendMessageA(Hwnd(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
};

}  // namespace

ControlSystem* Win32Controls() {
  static Win32ControlSystem controls;
  return &controls;
}

}  // namespace zep
