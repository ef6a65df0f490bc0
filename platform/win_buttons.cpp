// The Win32 button system: the button and hint windows of both faces, the
// buttons' memory contexts, timer 1, the capture and the cursor.
#include "platform/win_buttons.h"

#include <windows.h>

#include "controls/bitmap_button_win32.h"

namespace zep {

namespace {

HWND Hwnd(WindowRef w) { return static_cast<HWND>(w); }
HDC Dc(Surface s) { return static_cast<HDC>(s); }
HINSTANCE InstanceOf(WindowRef w) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Hwnd(w), GWLP_HINSTANCE));
}

class Win32ButtonSystem : public ButtonSystem {
 public:
  void RegisterButtonClasses(WindowRef run_window) override {
    zep::RegisterButtonClasses(InstanceOf(run_window));
  }

  WindowRef CreateButtonWindow(const char* class_name, WindowRef parent, int32_t x, int32_t y,
                               int32_t w, int32_t h) override {
    return CreateWindowExA(0, class_name, "", WS_CHILD | WS_VISIBLE, x, y, w, h, Hwnd(parent),
                           nullptr, InstanceOf(parent), nullptr);
  }

  void ShowAndUpdate(WindowRef window) override {
    ShowWindow(Hwnd(window), SW_SHOW);
    UpdateWindow(Hwnd(window));
  }

  Surface CreateSurface(WindowRef window, int32_t w, int32_t h, void** replaced) override {
    HDC screen = GetDC(Hwnd(window));
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(Hwnd(window), screen);
    if (memory == nullptr || picture == nullptr) {
      if (memory != nullptr) DeleteDC(memory);
      if (picture != nullptr) DeleteObject(picture);
      return nullptr;
    }
    *replaced = SelectObject(memory, picture);
    return memory;
  }

  void ReleaseSurface(Surface surface, void* replaced) override {
    HGDIOBJ picture = SelectObject(Dc(surface), static_cast<HGDIOBJ>(replaced));
    DeleteObject(picture);
    DeleteDC(Dc(surface));
  }

  void ShowSurface(WindowRef window, Surface surface, int32_t w, int32_t h) override {
    HDC dc = GetDC(Hwnd(window));
    BitBlt(dc, 0, 0, w, h, Dc(surface), 0, 0, SRCCOPY);
    ReleaseDC(Hwnd(window), dc);
  }

  void DrawIconAt(Surface surface, int resource) override {
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                               MAKEINTRESOURCEA(resource), IMAGE_ICON, 32, 32,
                                               LR_DEFAULTCOLOR));
    if (icon == nullptr) return;
    DrawIconEx(Dc(surface), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
  }

  WindowRef CreateHintWindow(const char* class_name, WindowRef owner, int32_t x, int32_t y,
                             int32_t w, int32_t h) override {
    // Made hidden and then shown without taking the activation: Wine does
    // not put a popup made visible at its creation on the screen, and the
    // run window, activated again when the hint hands the focus back, would
    // be raised over it.
    HWND hint = CreateWindowExA(0, class_name, "", WS_POPUP, x, y, w, h, Hwnd(owner), nullptr,
                                InstanceOf(owner), nullptr);
    if (hint == nullptr) return nullptr;
    ShowWindow(hint, SW_SHOWNOACTIVATE);
    UpdateWindow(hint);
    return hint;
  }

  void SendClose(WindowRef window) override { SendMessageA(Hwnd(window), WM_CLOSE, 0, 0); }

  void SendCommand(WindowRef parent, int id) override {
    SendMessageA(Hwnd(parent), WM_COMMAND, MAKEWPARAM(id, 0), 0);
  }

  void StartTimer1(WindowRef window, int32_t ms) override {
    SetTimer(Hwnd(window), 1, static_cast<UINT>(ms), nullptr);
  }
  void StopTimer1(WindowRef window) override { KillTimer(Hwnd(window), 1); }

  void CaptureMouse(WindowRef window) override { SetCapture(Hwnd(window)); }
  void ReleaseMouse() override { ReleaseCapture(); }
  void SetArrowCursor() override { SetCursor(LoadCursorA(nullptr, IDC_ARROW)); }

  ClientArea ClientRect(WindowRef window) override {
    RECT r = {0, 0, 0, 0};
    GetClientRect(Hwnd(window), &r);
    return {r.left, r.top, r.right, r.bottom};
  }

  PointXY MapPoint(WindowRef from, WindowRef to, PointXY p) override {
    POINT point = {p.x, p.y};
    MapWindowPoints(Hwnd(from), Hwnd(to), &point, 1);
    return {point.x, point.y};
  }

  WindowRef FocusWindow() override { return GetFocus(); }
};

}  // namespace

ButtonSystem* Win32Buttons() {
  static Win32ButtonSystem the_buttons;
  return &the_buttons;
}

}  // namespace zep
