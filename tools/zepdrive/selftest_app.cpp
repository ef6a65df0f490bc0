// A small window for checking zepdrive itself.
//
// White client area with a red 10x10 square at (0,0). A left click paints a
// blue 4x4 square at the click point. Key 65 ('A') writes selftest_out.txt
// with "A"; key 67 ('C') writes selftest_args.txt with the arguments part of
// the command line; key 73 ('I') shows an information message box. A right
// click shows an exclamation message box. Other input is reported in the
// title so the driver's input directives can be checked. Closing the window
// exits with code 7.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char kClass[] = "SELFTEST";
const char kTitle[] = "テスト窓";

std::vector<POINT> g_dots;

void writeFile(const char* name, const std::string& bytes) {
    FILE* f = std::fopen(name, "wb");
    if (!f) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// The command line minus the program name (which may be quoted).
std::string argumentsPart() {
    const char* p = GetCommandLineA();
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

void setTitlef(HWND hwnd, const char* fmt, int a, int b, int c = 0) {
    char buf[128];
    std::snprintf(buf, sizeof buf, fmt, a, b, c);
    SetWindowTextA(hwnd, buf);
}

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(dc, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT sq = {0, 0, 10, 10};
    FillRect(dc, &sq, red);
    DeleteObject(red);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    for (const POINT& p : g_dots) {
        RECT d = {p.x, p.y, p.x + 4, p.y + 4};
        FillRect(dc, &d, blue);
    }
    DeleteObject(blue);
    EndPaint(hwnd, &ps);
}

void onKeyDown(HWND hwnd, WPARAM vk) {
    if (vk == 'A') {
        writeFile("selftest_out.txt", "A");
    } else if (vk == 'C') {
        writeFile("selftest_args.txt", argumentsPart());
    } else if (vk == 'I') {
        MessageBoxA(hwnd, "お知らせ", "ZEP", MB_OK | MB_ICONINFORMATION);
    } else {
        setTitlef(hwnd, "keydown %d", (int)vk, 0);
    }
}

LRESULT CALLBACK wndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int x = (short)LOWORD(lp), y = (short)HIWORD(lp);
    switch (msg) {
    case WM_PAINT: paint(hwnd); return 0;
    case WM_LBUTTONDOWN:
        g_dots.push_back(POINT{x, y});
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_RBUTTONUP:
        MessageBoxA(hwnd, "一行目\r\n二行目", "ZEP Error", MB_OK | MB_ICONEXCLAMATION);
        return 0;
    case WM_LBUTTONDBLCLK: setTitlef(hwnd, "dblclick %d %d", x, y); return 0;
    case WM_MBUTTONDOWN: setTitlef(hwnd, "mdown %d %d %d", x, y, (int)wp); return 0;
    case WM_MBUTTONUP: setTitlef(hwnd, "mup %d %d", x, y); return 0;
    case WM_MOUSEMOVE: setTitlef(hwnd, "move %d %d", x, y); return 0;
    case WM_KEYDOWN: onKeyDown(hwnd, wp); return 0;
    case WM_KEYUP:
        if (wp != 'A' && wp != 'C' && wp != 'I') setTitlef(hwnd, "keyup %d", (int)wp, 0);
        return 0;
    case WM_CHAR: setTitlef(hwnd, "char %d", (int)wp, 0); return 0;
    case WM_HSCROLL: setTitlef(hwnd, "hscroll %d %d", LOWORD(wp), HIWORD(wp)); return 0;
    case WM_VSCROLL: setTitlef(hwnd, "vscroll %d %d", LOWORD(wp), HIWORD(wp)); return 0;
    case WM_DESTROY: PostQuitMessage(7); return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int show) {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = wndProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowA(kClass, kTitle, WS_OVERLAPPEDWINDOW, 100, 80, 320, 240,
                              nullptr, nullptr, inst, nullptr);
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return (int)m.wParam;
}
