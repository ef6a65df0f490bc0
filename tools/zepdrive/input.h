// Mouse and keyboard input, posted to a window of the started program as
// the messages Windows would queue for real input.
#pragma once

#include <windows.h>

namespace zd {

enum class Button { Left = 0, Right = 1, Middle = 2 };
enum class Press { Down, Up, DoubleClick };

// Moves the real mouse pointer to the screen's bottom-right pixel, away from
// where programs put their windows, so that the only mouse messages the
// program gets are the ones the driver posts.
void parkPointer();

// WM_MOUSEMOVE; wParam carries the buttons held down by earlier "down"s.
void postMouseMove(HWND hwnd, int x, int y);

// WM_xBUTTONDOWN / UP / DBLCLK at (x, y), with MK_ flags for held buttons.
void postButton(HWND hwnd, Button b, Press p, int x, int y);

// WM_KEYDOWN or WM_KEYUP with repeat count 1 and the key's scan code.
void postKey(HWND hwnd, UINT vk, bool down);

void postChar(HWND hwnd, UINT code);

// WM_HSCROLL / WM_VSCROLL from no scroll bar control (lParam 0).
void postScroll(HWND hwnd, UINT msg, WORD code, WORD pos);

}  // namespace zd
