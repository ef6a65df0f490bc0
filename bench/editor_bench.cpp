// The editor's colouring under Wine (or Windows): a 65,000-byte script put
// into the real editor window, and the time until the lines it shows are
// coloured and painted; then single keystrokes at the end of that script,
// each timed from the key to its colours painted. Prints milliseconds.
//
//   editor_bench.exe [KEYSTROKES]     (default 40)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ide/editor.h"
#include "ide/editor_window_win32.h"
#include "platform/win_editor.h"
#include "platform/win_host.h"
#include "runtime/subsystems.h"

namespace {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return c.QuadPart * 1000.0 / f.QuadPart;
}

// Sections of a game as a pupil writes them, numbered until the script
// holds 65,000 bytes.
std::string LargeScript() {
  std::string text;
  for (int n = 0; text.size() < 65000; ++n) {
    char block[1024];
    std::snprintf(block, sizeof block,
                  "// 敵 %d の動き\r\n"
                  "ENEMY%d\r\n"
                  "{\r\n"
                  "\tx%d = x%d + dx ; // 右へ\r\n"
                  "\tif(x%d > 300){ dx = -2 ; }\r\n"
                  "\tBox(x%d, 40, x%d + 16, 56, 0, 4) ;\r\n"
                  "\tPrint(10, 10, 0, 0, 12, 1, \"得点\") ;\r\n"
                  "\tCircle(MOUSE_X - 5, MOUSE_Y - 5, MOUSE_X + 5, MOUSE_Y + 5, 2, sin(t) * 3) ;\r\n"
                  "}\r\n\r\n",
                  n, n, n, n, n, n, n);
    text += block;
  }
  return text.substr(0, 65000 - 2) + "\r\n";
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int keystrokes = argc > 1 ? std::atoi(argv[1]) : 40;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  zep::InstallWin32Platform();
  zep::editor_system = zep::Win32Editor();
  zep::InstallSubsystems();
  zep::RegisterEditorClass(instance);
  HWND window = zep::CreateEditorWindow(instance, SW_SHOWNORMAL);
  if (window == nullptr || zep::editor.text == nullptr) {
    std::printf("editor FAIL no editor window\n");
    return 1;
  }
  HWND text = static_cast<HWND>(zep::editor.text);
  Pump();
  std::string script = LargeScript();

  double t0 = Now();
  zep::ShowNewText(script.c_str());
  double t1 = Now();
  RedrawWindow(text, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  double t2 = Now();
  bool coloured = zep::editor.colours.NextUncoloured(0) > 0;
  std::printf("open-load %.1f ms (the text put into the control at its size, %zu bytes)\n",
              t1 - t0, script.size());
  std::printf("open-colour %.1f ms %s (the lines shown coloured and painted)\n", t2 - t1,
              coloured ? "ok" : "FAIL");

  zep::control_system->SetSelection(zep::editor.text, 0x7FFFFFFF, 0x7FFFFFFF);
  SendMessageW(text, EM_SCROLLCARET, 0, 0);
  Pump();
  std::vector<double> times;
  for (int i = 0; i < keystrokes; ++i) {
    double k0 = Now();
    SendMessageW(text, WM_CHAR, i % 10 == 9 ? ';' : 'a' + i % 26, 1);
    RedrawWindow(text, nullptr, nullptr, RDW_UPDATENOW);
    times.push_back(Now() - k0);
    Pump();
  }
  std::sort(times.begin(), times.end());
  bool typed = zep::editor.shown.size() == script.size() + static_cast<size_t>(keystrokes);
  std::printf("keystroke-median %.1f ms %s\n", times[times.size() / 2], typed ? "ok" : "FAIL");
  std::printf("keystroke-max %.1f ms\n", times.back());
  DestroyWindow(window);
  return typed && coloured ? 0 : 1;
}
