// Reading what is on the screen, and saving it as a BMP file.
//
// How pixels are read, and why: the driver copies from the screen DC
// (GetDC(NULL)) at the window's client coordinates mapped to the screen
// (ClientToScreen), with BitBlt into a 32-bit DIB section. Tried under
// Wine 8 on Xvfb:
//   - GetDC(NULL) + BitBlt: reads the X root window, i.e. exactly what a
//     user sees, including any window lying on top (a message box over the
//     client shows as the box). Chosen.
//   - GetDC(hwnd) of the other process's window + GetPixel: gives the right
//     colours while the window is uncovered, but returned black for a part
//     covered by a message box, so it is not what is on the screen.
//   - PrintWindow: makes the program paint again into our DC; that is what
//     the program thinks it shows, not what the screen holds.
// Pixels outside the screen cannot be read; they come back as kOffScreen.
// Since this is the screen, windows of other programs on the same display
// count too: tests run side by side need a display each (winerun
// --own-display).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zd {

const uint32_t kOffScreen = 0xFF000000;  // never equal to an RRGGBB colour

struct Image {
    int w = 0;
    int h = 0;
    std::vector<uint32_t> px;  // 0xRRGGBB, row by row from the top
    uint32_t at(int x, int y) const { return px[(size_t)y * w + x]; }
};

// The screen rectangle (left, top, width, height) as it is shown now.
bool captureScreen(int left, int top, int w, int h, Image& out);

// A rectangle given in client coordinates of hwnd.
bool captureClient(HWND hwnd, int x, int y, int w, int h, Image& out);

// The whole client area of hwnd.
bool captureWholeClient(HWND hwnd, Image& out);

// "RRGGBB", or "off screen".
std::string pixelText(uint32_t px);

// Number of pixels of shown that differ from the system icon iconId drawn
// at the same size on shown's top-left colour (icons leave corners clear).
int iconMismatch(const Image& shown, LPCSTR iconId);

// 24-bit bottom-up BMP.
bool saveBmp(const std::string& path, const Image& img);

}  // namespace zd
