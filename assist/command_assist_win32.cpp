// The command assist (dialog 129): the category box 1008, the entry list
// 1002, the description 1017, and the buttons "貼り付け" 1003, "コピー" 1004,
// "閉じる" 1005 and "詳細（ヘルプ）" 1009.
#include <windows.h>

#include <string>

#include "assist/assist_dialogs.h"
#include "assist/assist_output.h"
#include "assist/catalog.h"
#include "assist/command_assist.h"
#include "assist/reference.h"
#include "resources/resource_ids.h"

namespace zep {

namespace {

constexpr int kDialogId = ZEP_DIALOG_COMMAND_ASSIST;
constexpr int kCategoryBox = ZEP_COMMAND_CATEGORIES, kEntryList = ZEP_COMMAND_ENTRIES;
constexpr int kDescription = ZEP_COMMAND_DESCRIPTION, kHelpButton = ZEP_COMMAND_HELP;

// The editor window that owns the open dialog; "貼り付け" writes into its
// text control.
HWND editor = nullptr;

int SelectedCategory(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageA(dialog, kCategoryBox, CB_GETCURSEL, 0, 0));
}

int SelectedEntry(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageA(dialog, kEntryList, LB_GETCURSEL, 0, 0));
}

void ShowDescription(HWND dialog, int category, int index) {
  const CatalogEntry* entry = EntryAt(category, index);
  SetDlgItemTextA(dialog, kDescription, entry != nullptr ? entry->description : "");
}

// The category's entries in catalog order, entry 0 selected and described.
void ShowCategory(HWND dialog, int category) {
  HWND list = GetDlgItem(dialog, kEntryList);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  const CatalogCategory& c = CategoryAt(category);
  for (int i = 0; i < c.count; ++i) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.entries[i].text));
  }
  ShowDescription(dialog, category, 0);
  SendMessageA(list, LB_SETCURSEL, 0, 0);
}

BOOL OnInitDialog(HWND dialog) {
  HWND box = GetDlgItem(dialog, kCategoryBox);
  for (int c = 0; c < kCategoryCount; ++c) {
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(CategoryAt(c).name));
  }
  ShowCategory(dialog, 0);
  SendMessageA(box, CB_SETCURSEL, 0, 0);
  SetFocus(box);
  return FALSE;  // the focus is set
}

void OnCategoryChange(HWND dialog) {
  int category = SelectedCategory(dialog);
  if (!IsCategory(category)) return;
  ShowCategory(dialog, category);
  SetFocus(GetDlgItem(dialog, kEntryList));
}

// Stays open, so that entries can be pasted one after another. Without a
// selected entry the assist output is pasted as it is.
void OnPaste(HWND dialog) {
  TakeEntryForPaste(SelectedCategory(dialog), SelectedEntry(dialog));
  PasteAssistOutput(GetDlgItem(editor, kEditorTextId));
}

void OnCopy(HWND dialog) {
  TakeEntryForPaste(SelectedCategory(dialog), SelectedEntry(dialog));
  EndDialog(dialog, kAssistCopy);
}

void OnHelp(HWND dialog) {
  TakeEntryForHelp(SelectedCategory(dialog), SelectedEntry(dialog));
  OpenReference(dialog, ReferencePlace::kKeyword, HelpKeyword(AssistOutput()).c_str());
}

void OnCommand(HWND dialog, int id, int code) {
  switch (id) {
    case kCategoryBox:
      if (code == CBN_SELCHANGE) OnCategoryChange(dialog);
      break;
    case kEntryList:
      if (code == LBN_SELCHANGE) ShowDescription(dialog, SelectedCategory(dialog), SelectedEntry(dialog));
      break;
    case kAssistPaste: OnPaste(dialog); break;
    case kAssistCopy: OnCopy(dialog); break;
    case kHelpButton: OnHelp(dialog); break;
    case kAssistCancel:
    case IDCANCEL: EndDialog(dialog, kAssistCancel); break;
    default: break;
  }
}

INT_PTR CALLBACK CommandAssistProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    default: return FALSE;
  }
}

}  // namespace

int ShowCommandAssist(WindowRef owner) {
  editor = static_cast<HWND>(owner);
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kDialogId), editor,
                                   CommandAssistProc, 0);
  editor = nullptr;
  return static_cast<int>(result);
}

}  // namespace zep
