#include "input.h"

namespace zd {
namespace {

struct ButtonMessages {
    UINT down, up, dbl;
    WPARAM flag;
};

const ButtonMessages kButtons[] = {
    {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, MK_LBUTTON},
    {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON},
    {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON},
};

// Buttons pressed and not yet released, as MK_ flags.
WPARAM g_held = 0;

LPARAM position(int x, int y) { return MAKELPARAM((WORD)(short)x, (WORD)(short)y); }

}  // namespace

void parkPointer() {
    int right = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1;
    int bottom = GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1;
    SetCursorPos(right, bottom);
}

void postMouseMove(HWND hwnd, int x, int y) {
    PostMessageA(hwnd, WM_MOUSEMOVE, g_held, position(x, y));
}

void postButton(HWND hwnd, Button b, Press p, int x, int y) {
    const ButtonMessages& m = kButtons[static_cast<int>(b)];
    UINT msg = m.down;
    if (p == Press::Up) {
        g_held &= ~m.flag;
        msg = m.up;
    } else {
        g_held |= m.flag;
        if (p == Press::DoubleClick) msg = m.dbl;
    }
    PostMessageA(hwnd, msg, g_held, position(x, y));
}

void postKey(HWND hwnd, UINT vk, bool down) {
    LPARAM lp = 1 | (LPARAM)(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) & 0xFF) << 16;
    if (!down) lp |= (LPARAM)3 << 30;  // previous state down, transition up
    PostMessageA(hwnd, down ? WM_KEYDOWN : WM_KEYUP, vk, lp);
}

void postChar(HWND hwnd, UINT code) { PostMessageA(hwnd, WM_CHAR, code, 1); }

void postScroll(HWND hwnd, UINT msg, WORD code, WORD pos) {
    PostMessageA(hwnd, msg, MAKEWPARAM(code, pos), 0);
}

}  // namespace zd
