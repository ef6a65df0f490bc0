// The Win32 implementations of the interpreter's host and the run window's
// system, and the installation of every platform interface.
#include "platform/win_host.h"

#include <windows.h>

#include "platform/gdi_canvas.h"
#include "platform/win_buttons.h"
#include "platform/win_controls.h"
#include "runtime/dialog_window_win32.h"
#include "platform/win_file_system.h"
#include "platform/win_menus.h"
#include "platform/win_reference.h"
#include "platform/win_sound.h"

namespace zep {

namespace {

HWND Hwnd(WindowRef window) { return static_cast<HWND>(window); }

class Win32Host : public Host {
 public:
  int ShowMessage(WindowRef owner, const char* text, const char* title, unsigned flags) override {
    return MessageBoxA(Hwnd(owner), text, title, flags);
  }

  LocalTime Now() override {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
  }

  int StartProgram(const char* command_line) override {
    return static_cast<int>(WinExec(command_line, SW_SHOWNORMAL));
  }

  void OpenHelpIndex(WindowRef owner, const char* help_file) override {
    WinHelpA(Hwnd(owner), help_file, HELP_INDEX, 0);
  }

  void PostCloseRequest(WindowRef window) override { PostMessageA(Hwnd(window), WM_CLOSE, 0, 0); }

  void GetWindowTextOf(WindowRef window, char* out, size_t cap) override {
    if (cap == 0) return;
    out[0] = '\0';
    GetWindowTextA(Hwnd(window), out, static_cast<int>(cap));
  }
  bool ToShiftJis(const std::u16string& text, std::string* out) override {
    out->clear();
    if (text.empty()) return true;
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
    int n = static_cast<int>(text.size());
    BOOL defaulted = FALSE;
    int bytes = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, n, nullptr, 0, nullptr, &defaulted);
    if (bytes <= 0 || defaulted) return false;
    out->resize(static_cast<size_t>(bytes));
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, n, &(*out)[0], bytes, nullptr, &defaulted);
    return !defaulted;
  }
  bool FromShiftJis(const std::string& text, std::u16string* out) override {
    out->clear();
    if (text.empty()) return true;
    int n = static_cast<int>(text.size());
    int chars = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(), n, nullptr, 0);
    if (chars <= 0) return false;
    out->resize(static_cast<size_t>(chars));
    wchar_t* wide = reinterpret_cast<wchar_t*>(&(*out)[0]);
    return MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(), n, wide, chars) == chars;
  }
};

class Win32WindowSystem : public WindowSystem {
 public:
  int SystemMetric(Metric m) override {
    static const int kIds[] = {SM_CXSCREEN, SM_CYSCREEN, SM_CXBORDER, SM_CYBORDER,
                               SM_CYCAPTION, SM_CYMENU, SM_CYVTHUMB, SM_CXHTHUMB};
    return GetSystemMetrics(kIds[static_cast<int>(m)]);
  }

  void PostQuit(int code) override { PostQuitMessage(code); }
  void StartTimer(WindowRef window, int ms) override { SetTimer(Hwnd(window), 1, ms, nullptr); }
  void StopTimer(WindowRef window) override { KillTimer(Hwnd(window), 1); }

  void SetTopmost(WindowRef window, bool topmost) override {
    SetWindowPos(Hwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
  }

  void ResizeWindow(WindowRef window, int width, int height) override {
    SetWindowPos(Hwnd(window), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  }

  void MoveWindowTo(WindowRef window, int left, int top, bool topmost) override {
    SetWindowPos(Hwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, left, top, 0, 0,
                 SWP_NOSIZE);
  }

  void SetTitle(WindowRef window, const char* text) override { SetWindowTextA(Hwnd(window), text); }
  void SetFocusTo(WindowRef window) override { SetFocus(Hwnd(window)); }

  void SetScrollRange(WindowRef window, ScrollBar bar, int max) override {
    ::SetScrollRange(Hwnd(window), Bar(bar), 0, max, FALSE);
  }

  void SetScrollPosition(WindowRef window, ScrollBar bar, int pos) override {
    SetScrollPos(Hwnd(window), Bar(bar), pos, TRUE);
  }

  void ApplyShape(WindowRef window, int type, int width, int height, int corner_w,
                  int corner_h) override {
    HRGN region = type == 1 ? CreateRoundRectRgn(0, 0, width, height, corner_w, corner_h)
                            : CreateEllipticRgn(0, 0, width, height);
    if (region != nullptr) SetWindowRgn(Hwnd(window), region, TRUE);
  }

 private:
  static int Bar(ScrollBar bar) { return bar == ScrollBar::kHorizontal ? SB_HORZ : SB_VERT; }
};

}  // namespace

void InstallWin32Platform() {
  static Win32Host the_host;
  static Win32WindowSystem the_window_system;
  host_system = &the_host;
  window_system = &the_window_system;
  menu_system = Win32Menus();
  file_system = Win32FileSystem();
  canvas_system = GdiCanvas();
  control_system = Win32Controls();
  button_system = Win32Buttons();
  dialog_system = Win32Dialogs();
  sound_system = Win32Sound();
  reference_system = Win32References();
}

}  // namespace zep
