#include "capture.h"

#include <cstdio>

#include "text.h"

namespace zd {
namespace {

// A top-down 32-bit DIB section of w x h with a memory DC selected into it.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bmp = nullptr;
    HGDIOBJ old = nullptr;
    uint32_t* bits = nullptr;

    Canvas(HDC like, int w, int h) {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* p = nullptr;
        bmp = CreateDIBSection(like, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
        dc = CreateCompatibleDC(like);
        if (bmp && dc) old = SelectObject(dc, bmp);
        bits = static_cast<uint32_t*>(p);
    }
    ~Canvas() {
        if (old) SelectObject(dc, old);
        if (dc) DeleteDC(dc);
        if (bmp) DeleteObject(bmp);
    }
    bool ok() const { return bits && old; }
};

void copyOut(const Canvas& c, int w, int h, Image& out) {
    out.w = w;
    out.h = h;
    out.px.resize((size_t)w * h);
    for (size_t i = 0; i < out.px.size(); ++i) out.px[i] = c.bits[i] & 0xFFFFFF;
}

// Marks the pixels that lie outside the virtual screen.
void markOffScreen(int left, int top, Image& img) {
    int sx = GetSystemMetrics(SM_XVIRTUALSCREEN), sy = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int sw = GetSystemMetrics(SM_CXVIRTUALSCREEN), sh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    for (int y = 0; y < img.h; ++y) {
        for (int x = 0; x < img.w; ++x) {
            int X = left + x, Y = top + y;
            if (X < sx || Y < sy || X >= sx + sw || Y >= sy + sh) img.px[(size_t)y * img.w + x] = kOffScreen;
        }
    }
}

}  // namespace

bool captureScreen(int left, int top, int w, int h, Image& out) {
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    bool ok = false;
    {
        Canvas c(screen, w, h);
        if (c.ok() && BitBlt(c.dc, 0, 0, w, h, screen, left, top, SRCCOPY)) {
            GdiFlush();
            copyOut(c, w, h, out);
            ok = true;
        }
    }
    ReleaseDC(nullptr, screen);
    if (ok) markOffScreen(left, top, out);
    return ok;
}

bool captureClient(HWND hwnd, int x, int y, int w, int h, Image& out) {
    POINT p = {x, y};
    if (!ClientToScreen(hwnd, &p)) return false;
    return captureScreen(p.x, p.y, w, h, out);
}

bool captureWholeClient(HWND hwnd, Image& out) {
    RECT r;
    if (!GetClientRect(hwnd, &r)) return false;
    return captureClient(hwnd, 0, 0, r.right, r.bottom, out);
}

std::string pixelText(uint32_t px) { return px == kOffScreen ? "off screen" : colourText(px); }

int iconMismatch(const Image& shown, LPCSTR iconId) {
    HDC screen = GetDC(nullptr);
    Canvas c(screen, shown.w, shown.h);
    ReleaseDC(nullptr, screen);
    if (!c.ok() || shown.px.empty()) return shown.w * shown.h;
    uint32_t bg = shown.at(0, 0);
    for (size_t i = 0; i < shown.px.size(); ++i) c.bits[i] = bg;
    DrawIconEx(c.dc, 0, 0, LoadIconA(nullptr, iconId), shown.w, shown.h, 0, nullptr, DI_NORMAL);
    GdiFlush();
    int diff = 0;
    for (size_t i = 0; i < shown.px.size(); ++i) diff += (c.bits[i] & 0xFFFFFF) != shown.px[i];
    return diff;
}

bool saveBmp(const std::string& path, const Image& img) {
    int stride = (img.w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    ih.biSize = sizeof ih;
    ih.biWidth = img.w;
    ih.biHeight = img.h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biCompression = BI_RGB;
    ih.biSizeImage = (DWORD)stride * img.h;
    fh.bfType = 0x4D42;  // "BM"
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + ih.biSizeImage;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&ih, sizeof ih, 1, f);
    std::vector<unsigned char> row(stride, 0);
    for (int y = img.h - 1; y >= 0; --y) {
        for (int x = 0; x < img.w; ++x) {
            uint32_t p = img.at(x, y) & 0xFFFFFF;
            row[x * 3] = (unsigned char)p;
            row[x * 3 + 1] = (unsigned char)(p >> 8);
            row[x * 3 + 2] = (unsigned char)(p >> 16);
        }
        std::fwrite(row.data(), 1, row.size(), f);
    }
    return std::fclose(f) == 0;
}

}  // namespace zd
