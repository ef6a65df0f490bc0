#include "app/run_start.h"

#include "core/common.h"
#include "core/run_parts.h"
#include "core/run_settings.h"
#include "platform/shortcuts.h"
#include "runtime/run_window_win32.h"

namespace zep {

void ShowStartFailure(StartFailure failure, const char* name) {
  const char* message = StartFailureMessage(failure);
  if (message == nullptr) return;
  char text[kMaxPath + 128];
  size_t n = CopyText(text, sizeof text, message);
  n += CopyText(text + n, sizeof text - n, "\r\n\r\n");
  CopyText(text + n, sizeof text - n, name);
  MessageBoxA(nullptr, text, "ZEP Error", MB_OK | MB_ICONEXCLAMATION);
}

bool StartRun(HINSTANCE instance, const char* text, size_t size, ProgramForm form,
              const char* name) {
  StartFailure failure = PrepareRun(nullptr, text, size, form);
  if (failure != StartFailure::kNone) {
    ShowStartFailure(failure, name);
    return false;
  }
  RegisterRunClass(instance);
  if (CreateRunWindow(instance, nullptr) == nullptr) {
    FreeRunParts(nullptr);
    run_state.running = 0;
    MessageBoxA(nullptr, "実行ウィンドウが開けません！", "ZEP Error", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  return true;
}

// The loop takes messages in their Unicode form, so that a character typed
// into an edit field (the editor's text, its search box, a script's edit
// controls) arrives whole. Taken in the ANSI form, a double-byte character
// is handed on as two byte messages, and the system's edit control converts
// each byte alone. The program's own windows stay ANSI and still get a
// double-byte character as its two bytes.

// The shortcuts of shortcut_table work for keys typed into window or any
// of its children, or into a window that also_here accepts.
int MessageLoop(HWND window, HACCEL shortcut_table, bool (*also_here)(HWND)) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    bool here = msg.hwnd == window || IsChild(window, msg.hwnd) ||
                (also_here != nullptr && also_here(msg.hwnd));
    if (here && TranslateShortcut(window, shortcut_table, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace zep
