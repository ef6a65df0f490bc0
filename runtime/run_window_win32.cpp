#include "runtime/run_window_win32.h"

#include <mmsystem.h>

#include "core/run_settings.h"
#include "media/sounds.h"
#include "runtime/events.h"
#include "runtime/script_window_win32.h"

namespace zep {

namespace {

bool run_class_registered = false;

// The script window's messages, and the sound notices of the run.
LRESULT CALLBACK RunWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == MM_MCINOTIFY) {
    OnSoundNotify(static_cast<WindowRef>(hwnd), static_cast<uint32_t>(wParam));
    return 0;
  }
  return ScriptWindowMessage(run_window_events, hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterRunClass(HINSTANCE instance) {
  if (run_class_registered) UnregisterClassA("RUN", instance);
  run_class_registered = true;
  return RegisterScriptClass(instance, "RUN", RunWindowProc, window_settings.background);
}

HWND CreateRunWindow(HINSTANCE instance, HWND owner) {
  HWND hwnd = CreateWindowExA(0, "RUN", window_settings.caption, window_settings.window_style, window_settings.win_l,
                              window_settings.win_t, window_settings.win_x, window_settings.win_y, owner, nullptr,
                              instance, nullptr);
  if (hwnd == nullptr) return nullptr;
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  return hwnd;
}

}  // namespace zep
