#include "app/run_start.h"

#include "core/common.h"
#include "core/run_parts.h"
#include "core/run_settings.h"
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
    running = 0;
    MessageBoxA(nullptr, "実行ウィンドウが開けません！", "ZEP Error", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  return true;
}

int MessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace zep
