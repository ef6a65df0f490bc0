// The window style (dialog 131) and control (dialog 145) assists: radio
// buttons, exactly one checked, and the buttons 1003..1005. Each opening
// starts at the first radio button.
#include <windows.h>

#include <string>

#include "assist/assist_dialogs.h"
#include "assist/assist_output.h"
#include "assist/choice_assists.h"
#include "resources/resource_ids.h"

namespace zep {

namespace {

// One radio dialog: its resource, its range of radio ids and their texts.
struct Choice {
  int dialog_id;
  int first, last;
  std::string (*text)(int id);
};

const Choice kStyle = {ZEP_DIALOG_STYLE_ASSIST, kFirstStyle, kLastStyle, StyleText};
const Choice kControl = {ZEP_DIALOG_CONTROL_ASSIST, kFirstControl, kLastControl, ControlText};

// The open dialog's choice and its selected radio id.
const Choice* choice = nullptr;
int selected = 0;

void Select(HWND dialog, int id) {
  selected = id;
  CheckRadioButton(dialog, choice->first, choice->last, id);
}

BOOL OnInitDialog(HWND dialog) {
  Select(dialog, choice->first);
  SetFocus(GetDlgItem(dialog, choice->first));
  return FALSE;  // the focus is set
}

void OnCommand(HWND dialog, int id, int code) {
  if (id >= choice->first && id <= choice->last) {
    if (code == BN_CLICKED) Select(dialog, id);
    return;
  }
  switch (id) {
    case kAssistPaste:
    case kAssistCopy:
      SetAssistOutput(choice->text(selected).c_str());
      EndDialog(dialog, id);
      break;
    case kAssistCancel:
    case IDCANCEL: EndDialog(dialog, kAssistCancel); break;
    default: break;
  }
}

INT_PTR CALLBACK ChoiceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    default: return FALSE;
  }
}

int ShowChoice(WindowRef owner, const Choice& c) {
  choice = &c;
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.dialog_id),
                                   static_cast<HWND>(owner), ChoiceProc, 0);
  choice = nullptr;
  return static_cast<int>(result);
}

}  // namespace

int ShowStyleAssist(WindowRef owner) { return ShowChoice(owner, kStyle); }

int ShowControlAssist(WindowRef owner) { return ShowChoice(owner, kControl); }

}  // namespace zep
