#include "runtime/dialog_window_win32.h"

#include <windows.h>

#include "runtime/dialog.h"
#include "runtime/script_window_win32.h"

namespace zep {

namespace {

constexpr UINT_PTR kDialogTimer = 2;

WindowRef Ref(HWND hwnd) { return static_cast<WindowRef>(hwnd); }

LRESULT CALLBACK DlgWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ScriptWindowMessage(dialog_window_events, hwnd, message, wParam, lParam);
}

class Win32DialogSystem : public DialogSystem {
 public:
  WindowRef OpenDialog(WindowRef owner, const DialogSettings& s) override {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (registered_) UnregisterClassA("DLG", instance);
    registered_ = RegisterScriptClass(instance, "DLG", DlgWindowProc, s.background);
    HWND dialog = CreateWindowExA(0, "DLG", s.caption, s.style, s.left, s.top, s.width, s.height,
                                  static_cast<HWND>(owner), nullptr, instance, nullptr);
    if (dialog == nullptr) return nullptr;
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    return Ref(dialog);
  }

  void DestroyDialog(WindowRef dialog) override { DestroyWindow(static_cast<HWND>(dialog)); }

  void StartDialogTimer(WindowRef dialog, int32_t ms) override {
    SetTimer(static_cast<HWND>(dialog), kDialogTimer, static_cast<UINT>(ms), nullptr);
  }

  void StopDialogTimer(WindowRef dialog) override {
    KillTimer(static_cast<HWND>(dialog), kDialogTimer);
  }

 private:
  bool registered_ = false;
};

}  // namespace

DialogSystem* Win32Dialogs() {
  static Win32DialogSystem dialogs;
  return &dialogs;
}

}  // namespace zep
