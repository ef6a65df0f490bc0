// The GDI work of bench.zep done directly: 10,000 rectangles (or the count
// given) on a 640 x 480 back screen, each with its own pen and brush made
// and deleted, then one copy to the window. Prints the time in milliseconds.
//
//   i686-w64-mingw32-g++ -O2 -static gdi_boxes.cpp -o gdi_boxes.exe -lgdi32 -luser32
//   gdi_boxes.exe [COUNT]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The palette's default colours, in the order the script's colour numbers use.
const COLORREF kPalette[16] = {
    RGB(0, 0, 0),     RGB(0, 0, 255),   RGB(255, 0, 0),     RGB(255, 0, 255),
    RGB(0, 255, 0),   RGB(0, 255, 255), RGB(255, 255, 0),   RGB(255, 255, 255),
    RGB(0, 0, 128),   RGB(128, 0, 0),   RGB(128, 0, 128),   RGB(0, 128, 0),
    RGB(0, 128, 128), RGB(128, 128, 0), RGB(128, 128, 128), RGB(192, 192, 192),
};

// One Box on dc: pen and brush made, selected, used and destroyed.
void Box(HDC dc, int l, int t, int r, int b, int outline, int inside) {
  HPEN pen = CreatePen(PS_SOLID, 1, kPalette[outline]);
  HBRUSH brush = CreateSolidBrush(kPalette[inside]);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, brush);
  Rectangle(dc, l, t, r, b);
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(pen);
  DeleteObject(brush);
}

}  // namespace

int main(int argc, char** argv) {
  int boxes = argc > 1 ? std::atoi(argv[1]) : 10000;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "GDIBENCH";
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassA(&wc);
  HWND window = CreateWindowA("GDIBENCH", "gdi_boxes", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                              656, 519, nullptr, nullptr, wc.hInstance, nullptr);
  HDC front = GetDC(window);
  HDC back = CreateCompatibleDC(front);
  HBITMAP bitmap = CreateCompatibleBitmap(front, 640, 480);
  HGDIOBJ old_bitmap = SelectObject(back, bitmap);
  ReleaseDC(window, front);

  LARGE_INTEGER frequency, start, stop;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < boxes; ++i) {
    Box(back, i % 600, i % 440, i % 600 + 40, i % 440 + 40, i % 16, (i + 1) % 16);
  }
  front = GetDC(window);
  StretchBlt(front, 0, 0, 640, 480, back, 0, 0, 640, 480, SRCCOPY);
  ReleaseDC(window, front);
  GdiFlush();
  QueryPerformanceCounter(&stop);

  double ms = 1000.0 * static_cast<double>(stop.QuadPart - start.QuadPart) /
              static_cast<double>(frequency.QuadPart);
  std::printf("%.1f\n", ms);
  SelectObject(back, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(back);
  DestroyWindow(window);
  return 0;
}
