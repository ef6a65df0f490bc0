// The version dialog (dialog 103): the program's icon, its version and "OK".
#include <windows.h>

#include "assist/assist_dialogs.h"
#include "resources/resource_ids.h"

namespace zep {

namespace {

constexpr int kDialogId = ZEP_DIALOG_VERSION;

INT_PTR CALLBACK VersionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return TRUE;  // the focus goes to "OK"
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) EndDialog(dialog, 1);
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 2);
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

int ShowVersionDialog(WindowRef owner) {
  return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kDialogId),
                                          static_cast<HWND>(owner), VersionProc, 0));
}

}  // namespace zep
