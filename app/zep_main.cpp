// The program entry. With a script on the command line it runs that script
// in its own window and ends when the window closes; without one it opens
// the editor, which runs its scripts in windows of their own and ends the
// program when it closes. Both share one message loop.
#include <windows.h>

#include <cstdlib>

#include "core/run_parts.h"
#include "core/run_settings.h"
#include "ide/editor_window_win32.h"
#include "platform/script_file.h"
#include "platform/win_host.h"
#include "runtime/run_window_win32.h"
#include "runtime/start.h"
#include "runtime/subsystems.h"

namespace zep {

namespace {

HWND run_window = nullptr;

// Tells the user why the script could not even start.
void ShowStartFailure(StartFailure failure) {
  const char* message = StartFailureMessage(failure);
  if (message == nullptr) return;
  char text[kMaxPath + 128];
  size_t n = CopyText(text, sizeof text, message);
  n += CopyText(text + n, sizeof text - n, "\r\n\r\n");
  CopyText(text + n, sizeof text - n, command_file);
  MessageBoxA(nullptr, text, "ZEP Error", MB_OK | MB_ICONEXCLAMATION);
}

// Loads the script named on the command line and opens its window.
bool DirectRun(HINSTANCE instance) {
  char* data = nullptr;
  size_t size = 0;
  StartFailure failure = ReadScriptFile(command_file, kMaxDirectRunBytes, &data, &size);
  if (failure == StartFailure::kNone) {
    failure = PrepareRun(nullptr, data, size);
    std::free(data);
  }
  if (failure != StartFailure::kNone) {
    ShowStartFailure(failure);
    return false;
  }
  RegisterRunClass(instance);
  run_window = CreateRunWindow(instance, nullptr);
  if (run_window == nullptr) {
    FreeRunParts(nullptr);
    running = 0;
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
int MessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

}  // namespace zep

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int show) {
  zep::InstallWin32Platform();
  zep::InstallSubsystems();
  zep::TakeCommandLine(command_line);
  zep::RegisterEditorClass(instance);
  if (zep::direct_run) {
    if (!zep::DirectRun(instance)) return 0;
  } else if (zep::CreateEditorWindow(instance, show) == nullptr) {
    return 0;
  }
  return zep::MessageLoop();
}
