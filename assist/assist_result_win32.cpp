// The editor's side of an assist dialog's result: pasting the assist output
// into the script text, or copying it to the clipboard.
#include <windows.h>

#include <cstring>

#include "assist/assist_dialogs.h"
#include "assist/assist_output.h"

namespace zep {

void PasteAssistOutput(WindowRef text_control) {
  SendMessageA(static_cast<HWND>(text_control), EM_REPLACESEL, TRUE,  // one step of the undo history
               reinterpret_cast<LPARAM>(AssistOutput()));
}

bool CopyTextToClipboard(WindowRef owner, const char* text) {
  size_t size = std::strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (block == nullptr) return false;
  void* bytes = GlobalLock(block);
  if (bytes == nullptr) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(bytes, text, size);
  GlobalUnlock(block);
  // The clipboard owns the block once it took it; otherwise it is ours to free.
  bool taken = false;
  if (OpenClipboard(static_cast<HWND>(owner))) {
    EmptyClipboard();
    taken = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
  }
  if (!taken) GlobalFree(block);
  return true;
}

void ApplyAssistResult(WindowRef editor, WindowRef text_control, int result) {
  switch (AssistResult(result)) {
    case AssistAction::kPaste: PasteAssistOutput(text_control); break;
    case AssistAction::kCopy:
      if (!CopyTextToClipboard(editor, AssistOutput())) {
        MessageBoxA(static_cast<HWND>(editor), "メモリーの確保に失敗しました", "ZEP Error",
                    MB_OK | MB_ICONWARNING);
      }
      break;
    case AssistAction::kNothing: break;
  }
}

}  // namespace zep
