#include "platform/gdi_canvas.h"

#include <windows.h>

#include <cstring>

namespace zep {

namespace {

COLORREF ToColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }
HDC Dc(Surface s) { return static_cast<HDC>(s); }
HWND Hwnd(WindowRef w) { return static_cast<HWND>(w); }

DWORD RopOf(RasterOp op) {
  switch (op) {
    case RasterOp::kNotCopy: return NOTSRCCOPY;
    case RasterOp::kPaint: return SRCPAINT;
    case RasterOp::kAnd: return SRCAND;
    case RasterOp::kInvert: return SRCINVERT;
    case RasterOp::kCopy: break;
  }
  return SRCCOPY;
}

// A w x h picture of 32 bits per pixel (blue, green, red, unused), rows
// top-down, selected into its own memory context.
struct Picture32 {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  void* bits = nullptr;

  bool Create(HDC like, int w, int h) {
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc = CreateCompatibleDC(like);
    if (dc == nullptr) return false;
    bitmap = CreateDIBSection(like, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) return false;
    previous = SelectObject(dc, bitmap);
    return true;
  }
  ~Picture32() {
    if (dc != nullptr && previous != nullptr) SelectObject(dc, previous);
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (dc != nullptr) DeleteDC(dc);
  }
};

class GdiCanvasImpl : public Canvas {
 public:
  void CreateBackScreen(WindowRef window, int width, int height) override {
    DestroyBackScreen();
    HDC front = GetDC(Hwnd(window));
    back_dc_ = CreateCompatibleDC(front);
    back_bitmap_ = CreateCompatibleBitmap(front, width, height);
    if (back_dc_ != nullptr && back_bitmap_ != nullptr) {
      back_previous_ = SelectObject(back_dc_, back_bitmap_);
    }
    ReleaseDC(Hwnd(window), front);
  }

  void DestroyBackScreen() override {
    if (back_dc_ != nullptr && back_previous_ != nullptr) SelectObject(back_dc_, back_previous_);
    if (back_bitmap_ != nullptr) DeleteObject(back_bitmap_);
    if (back_dc_ != nullptr) DeleteDC(back_dc_);
    back_dc_ = nullptr;
    back_bitmap_ = nullptr;
    back_previous_ = nullptr;
  }

  Surface AcquireFront(WindowRef window) override { return GetDC(Hwnd(window)); }

  void ReleaseFront(WindowRef window, Surface front) override {
    if (front != nullptr) ReleaseDC(Hwnd(window), Dc(front));
  }

  Surface BackSurface() override { return back_dc_; }

  void DrawFigure(Surface target, const Figure& f, const Pen& pen, const Brush& brush) override {
    HDC dc = Dc(target);
    if (dc == nullptr) return;
    HPEN new_pen = CreatePen(pen.dotted ? PS_DOT : PS_SOLID, 1, ToColorRef(pen.colour));
    HBRUSH new_brush = brush.empty ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                   : CreateSolidBrush(ToColorRef(brush.colour));
    HGDIOBJ old_pen = SelectObject(dc, new_pen);
    HGDIOBJ old_brush = SelectObject(dc, new_brush);
    const PointXY* p = f.points;
    switch (f.shape) {
      case Shape::kRectangle: Rectangle(dc, f.left, f.top, f.right, f.bottom); break;
      case Shape::kRoundRect:
        RoundRect(dc, f.left, f.top, f.right, f.bottom, f.corner_w, f.corner_h);
        break;
      case Shape::kPolygon: {
        POINT points[4];
        for (int i = 0; i < f.point_count && i < 4; ++i) points[i] = {p[i].x, p[i].y};
        SetPolyFillMode(dc, ALTERNATE);
        Polygon(dc, points, f.point_count);
        break;
      }
      case Shape::kEllipse: Ellipse(dc, f.left, f.top, f.right, f.bottom); break;
      case Shape::kPie:
        Pie(dc, f.left, f.top, f.right, f.bottom, p[0].x, p[0].y, p[1].x, p[1].y);
        break;
      case Shape::kArc:
        Arc(dc, f.left, f.top, f.right, f.bottom, p[0].x, p[0].y, p[1].x, p[1].y);
        break;
      case Shape::kChord:
        Chord(dc, f.left, f.top, f.right, f.bottom, p[0].x, p[0].y, p[1].x, p[1].y);
        break;
      case Shape::kLine:
        MoveToEx(dc, p[0].x, p[0].y, nullptr);
        LineTo(dc, p[1].x, p[1].y);
        break;
    }
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(new_pen);
    if (!brush.empty) DeleteObject(new_brush);
  }

  void SetPixel(Surface target, int32_t x, int32_t y, Rgb colour) override {
    if (target != nullptr) ::SetPixel(Dc(target), x, y, ToColorRef(colour));
  }

  uint32_t GetPixel(Surface target, int32_t x, int32_t y) override {
    if (target == nullptr) return kInvalidColour;
    return ::GetPixel(Dc(target), x, y);
  }

  void StretchCopy(Surface destination, const Area& to, Surface source, const Area& from,
                   RasterOp op) override {
    if (destination == nullptr || source == nullptr) return;
    StretchBlt(Dc(destination), to.x, to.y, to.w, to.h, Dc(source), from.x, from.y, from.w,
               from.h, RopOf(op));
  }

  bool ReadPixels(Surface source, const Area& from, uint8_t* out) override {
    if (source == nullptr) return false;
    Picture32 picture;
    if (!picture.Create(Dc(source), from.w, from.h)) return false;
    BitBlt(picture.dc, 0, 0, from.w, from.h, Dc(source), from.x, from.y, SRCCOPY);
    GdiFlush();
    std::memcpy(out, picture.bits, static_cast<size_t>(from.w) * from.h * 4);
    return true;
  }

  void WritePixels(Surface destination, const Area& to, const uint8_t* in) override {
    if (destination == nullptr) return;
    Picture32 picture;
    if (!picture.Create(Dc(destination), to.w, to.h)) return;
    GdiFlush();
    std::memcpy(picture.bits, in, static_cast<size_t>(to.w) * to.h * 4);
    BitBlt(Dc(destination), to.x, to.y, to.w, to.h, picture.dc, 0, 0, SRCCOPY);
  }

  void CopyToClipboard(WindowRef owner, Surface source, const Area& area) override {
    if (source == nullptr) return;
    HDC src = Dc(source);
    HBITMAP bitmap = CreateCompatibleBitmap(src, area.w, area.h);
    if (bitmap == nullptr) return;
    HDC memory = CreateCompatibleDC(src);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, area.w, area.h, src, area.x, area.y, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    // Once handed over, the clipboard owns the bitmap.
    if (OpenClipboard(Hwnd(owner))) {
      EmptyClipboard();
      if (SetClipboardData(CF_BITMAP, bitmap) == nullptr) DeleteObject(bitmap);
      CloseClipboard();
    } else {
      DeleteObject(bitmap);
    }
  }

  void WriteText(Surface target, int32_t x, int32_t y, const char* text, size_t length,
                 const FontSpec& f, Rgb colour) override {
    HDC dc = Dc(target);
    if (dc == nullptr) return;
    HFONT font = CreateFontA(f.height, f.width, f.escapement, f.orientation, f.weight, f.italic,
                             f.underline, f.strike_out, f.char_set, f.out_precision,
                             f.clip_precision, f.quality, f.pitch_and_family, f.face);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(colour));
    HGDIOBJ previous = SelectObject(dc, font);
    TextOutA(dc, x, y, text, static_cast<int>(length));
    SelectObject(dc, previous);
    DeleteObject(font);
  }

 private:
  HDC back_dc_ = nullptr;
  HBITMAP back_bitmap_ = nullptr;
  HGDIOBJ back_previous_ = nullptr;
};

}  // namespace

Canvas* GdiCanvas() {
  static GdiCanvasImpl gdi;
  return &gdi;
}

}  // namespace zep
