#include "platform/win_pause.h"

#include <vector>

#include "ide/watch_window_win32.h"
#include "platform/shortcuts.h"
#include "resources/resource_ids.h"
#include "runtime/dialog.h"
#include "runtime/events.h"

namespace zep {

namespace {

// A run window's client area as it was when the pause began.
struct Picture {
  HWND window = nullptr;
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  int width = 0, height = 0;
};

Picture TakePicture(HWND window) {
  Picture p;
  RECT client;
  if (window == nullptr || !GetClientRect(window, &client)) return p;
  p.window = window;
  p.width = client.right;
  p.height = client.bottom;
  HDC screen = GetDC(window);
  p.dc = CreateCompatibleDC(screen);
  p.bitmap = CreateCompatibleBitmap(screen, p.width > 0 ? p.width : 1, p.height > 0 ? p.height : 1);
  p.old = SelectObject(p.dc, p.bitmap);
  BitBlt(p.dc, 0, 0, p.width, p.height, screen, 0, 0, SRCCOPY);
  ReleaseDC(window, screen);
  return p;
}

void DropPicture(Picture* p) {
  if (p->dc == nullptr) return;
  SelectObject(p->dc, p->old);
  DeleteObject(p->bitmap);
  DeleteDC(p->dc);
  *p = Picture();
}

// Paints the window from its picture, without running its PAINT section.
void PaintPicture(const Picture& p) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(p.window, &ps);
  BitBlt(dc, 0, 0, p.width, p.height, p.dc, 0, 0, SRCCOPY);
  EndPaint(p.window, &ps);
}

// The run's window (the RUN window or the script's dialog) that hwnd is or
// belongs to; nullptr for any other window.
HWND RunRoot(HWND hwnd) {
  HWND root = hwnd != nullptr ? GetAncestor(hwnd, GA_ROOT) : nullptr;
  if (root == nullptr) return nullptr;
  if (root == static_cast<HWND>(run_window) || root == static_cast<HWND>(script_dialog.window)) return root;
  return nullptr;
}

// What a run's window must not act on while its run waits: input, timer
// ticks, commands, closing, and the notifications of sounds and of the
// program's own (they would run sections).
bool Held(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_TIMER ||
         message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_CLOSE || message >= MM_JOY1MOVE;
}

// A click on the menu bar or the window menu is dropped; one on the close
// box ends the run (as the editor's Shift+F5 does).
bool Refused(HWND editor, const MSG& msg) {
  bool click = msg.message == WM_NCLBUTTONDOWN || msg.message == WM_NCLBUTTONDBLCLK ||
               msg.message == WM_NCRBUTTONDOWN;
  if (click && msg.wParam == HTCLOSE) PostMessageW(editor, WM_COMMAND, ZEP_CMD_DEBUG_STOP, 0);
  return click && (msg.wParam == HTCLOSE || msg.wParam == HTMENU || msg.wParam == HTSYSMENU);
}

// A tick of a timer already held folds into it.
bool Folded(const std::vector<MSG>& held, const MSG& msg) {
  if (msg.message != WM_TIMER) return false;
  for (const MSG& m : held) {
    if (m.message == WM_TIMER && m.hwnd == msg.hwnd && m.wParam == msg.wParam) return true;
  }
  return false;
}

}  // namespace

void RunPausedLoop(HWND editor, const bool* paused) {
  static HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(ZEP_ACCELERATORS_EDITOR));
  Picture pictures[2] = {TakePicture(static_cast<HWND>(run_window)),
                         TakePicture(static_cast<HWND>(script_dialog.window))};
  std::vector<MSG> held;
  MSG msg;
  while (*paused) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    HWND run = RunRoot(msg.hwnd);
    bool here = msg.hwnd == editor || IsChild(editor, msg.hwnd) || IsWatchWindowMessage(msg.hwnd) ||
                run != nullptr;
    if (here && TranslateShortcut(editor, table, &msg)) continue;
    if (run != nullptr) {
      if (msg.message == WM_PAINT && msg.hwnd == run) {
        bool painted = false;
        for (const Picture& p : pictures) {
          if (p.window == run && p.dc != nullptr) PaintPicture(p), painted = true;
        }
        if (painted) continue;
      }
      if (Refused(editor, msg)) continue;
      if (Held(msg.message)) {
        if (!Folded(held, msg)) held.push_back(msg);
        continue;
      }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  for (Picture& p : pictures) DropPicture(&p);
  for (const MSG& m : held) {
    if (IsWindow(m.hwnd)) PostMessageW(m.hwnd, m.message, m.wParam, m.lParam);
  }
}

}  // namespace zep
