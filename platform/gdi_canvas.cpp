#include "platform/gdi_canvas.h"

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstring>
#include <vector>

#include "graphics/kept_objects.h"

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

// The picture interface the decoder is asked for.
const GUID kIPicture = {0x7BF80980, 0xBF32, 0x101A,
                        {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

// A logical palette of the colour table's entries (blue, green, red, unused).
HPALETTE PaletteOf(const uint8_t* table, uint32_t colours) {
  std::vector<uint8_t> memory(sizeof(LOGPALETTE) + colours * sizeof(PALETTEENTRY));
  LOGPALETTE* palette = reinterpret_cast<LOGPALETTE*>(memory.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(colours);
  for (uint32_t i = 0; i < colours; ++i) {
    palette->palPalEntry[i] = {table[4 * i + 2], table[4 * i + 1], table[4 * i], 0};
  }
  return CreatePalette(palette);
}

// A context with a palette selected and realised, given back on destruction.
struct PaletteSelection {
  HDC dc;
  HPALETTE previous = nullptr;
  PaletteSelection(HDC on, HPALETTE palette) : dc(on) {
    if (palette == nullptr) return;
    previous = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
  }
  ~PaletteSelection() {
    if (previous != nullptr) SelectPalette(dc, previous, FALSE);
  }
};

// Room for a 40-byte info header and a colour table of 256 entries (or the
// three colour masks a driver may add).
struct DibInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
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

  // The pen of a figure: solid or dotted, one pixel wide, made once per
  // colour and style and kept.
  HPEN KeptPen(const Pen& pen) {
    uint32_t key = ToColorRef(pen.colour) | (pen.dotted ? 0x1000000u : 0u);
    return pens_.Get(
        key,
        [](uint32_t k) { return CreatePen((k >> 24) != 0 ? PS_DOT : PS_SOLID, 1, k & 0xFFFFFF); },
        [this](HPEN p) { ForgetKept(p); });
  }

  HBRUSH KeptBrush(Rgb colour) {
    return brushes_.Get(
        ToColorRef(colour), [](uint32_t k) { return CreateSolidBrush(k); },
        [this](HBRUSH b) { ForgetKept(b); });
  }

  // Deletes a kept pen or brush, first taking it out of the back screen if
  // it is selected there (a selected object can't be deleted).
  void ForgetKept(HGDIOBJ object) {
    if (object == back_pen_) {
      SelectObject(back_dc_, back_first_pen_);
      back_pen_ = nullptr;
    }
    if (object == back_brush_) {
      SelectObject(back_dc_, back_first_brush_);
      back_brush_ = nullptr;
    }
    DeleteObject(object);
  }

  // The back screen keeps the last figure's pen and brush selected: nothing
  // else drawn there uses them, and the next figure often needs the same.
  void SelectOnBack(HPEN pen, HBRUSH brush) {
    if (pen != back_pen_) {
      HGDIOBJ previous = SelectObject(back_dc_, pen);
      if (back_pen_ == nullptr) back_first_pen_ = previous;
      back_pen_ = pen;
    }
    if (brush != back_brush_) {
      HGDIOBJ previous = SelectObject(back_dc_, brush);
      if (back_brush_ == nullptr) back_first_brush_ = previous;
      back_brush_ = brush;
    }
  }

  void DestroyBackScreen() override {
    pens_.Clear([this](HPEN p) { ForgetKept(p); });
    brushes_.Clear([this](HBRUSH b) { ForgetKept(b); });
    if (back_dc_ != nullptr && back_brush_ != nullptr) SelectObject(back_dc_, back_first_brush_);
    back_pen_ = nullptr;
    back_brush_ = nullptr;
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
    HPEN new_pen = KeptPen(pen);
    HBRUSH new_brush = brush.empty ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                   : KeptBrush(brush.colour);
    if (dc == back_dc_) {
      SelectOnBack(new_pen, new_brush);
      DrawShape(dc, f);
      return;
    }
    HGDIOBJ old_pen = SelectObject(dc, new_pen);
    HGDIOBJ old_brush = SelectObject(dc, new_brush);
    DrawShape(dc, f);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
  }

  // One figure with the pen and brush selected in dc.
  static void DrawShape(HDC dc, const Figure& f) {
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

  // The checked image is handed over with a fresh 40-byte header built from
  // its checked fields, so that nothing else of the file's header reaches
  // the conversion.
  bool KeepBitmap(const BmpImage& image) override {
    DibInfo info;
    std::memset(&info, 0, sizeof info);
    info.header.biSize = sizeof info.header;
    info.header.biWidth = image.width;
    info.header.biHeight = image.height;
    info.header.biPlanes = 1;
    info.header.biBitCount = image.bit_count;
    info.header.biCompression = BI_RGB;
    info.header.biSizeImage = image.image_size;
    info.header.biClrUsed = image.colours;
    std::memcpy(info.colours, image.colour_table, size_t{image.colours} * 4);
    HPALETTE palette = image.colours > 0 ? PaletteOf(image.colour_table, image.colours) : nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap;
    {
      PaletteSelection selection(screen, palette);
      bitmap = CreateDIBitmap(screen, &info.header, CBM_INIT, image.pixels,
                              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    }
    ReleaseDC(nullptr, screen);
    if (bitmap == nullptr) {
      if (palette != nullptr) DeleteObject(palette);
      return false;
    }
    ForgetKeptBitmap();
    kept_ = bitmap;
    kept_palette_ = palette;
    kept_width_ = image.width;
    kept_height_ = image.height < 0 ? -image.height : image.height;
    return true;
  }

  void DrawKeptBitmap(Surface target, int32_t x, int32_t y) override {
    if (target == nullptr || kept_ == nullptr) return;
    HDC dc = Dc(target);
    PaletteSelection selection(dc, kept_palette_);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, kept_);
    BitBlt(dc, x, y, kept_width_, kept_height_, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
  }

  void ForgetKeptBitmap() override {
    if (kept_ != nullptr) DeleteObject(kept_);
    if (kept_palette_ != nullptr) DeleteObject(kept_palette_);
    kept_ = nullptr;
    kept_palette_ = nullptr;
  }

  bool CaptureBitmap(Surface source, const Area& area, DibPixels* out) override {
    if (source == nullptr) return false;
    HDC src = Dc(source);
    HBITMAP bitmap = CreateCompatibleBitmap(src, area.w, area.h);
    if (bitmap == nullptr) return false;
    HDC memory = CreateCompatibleDC(src);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, area.w, area.h, src, area.x, area.y, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    bool ok = ReadDib(bitmap, out);
    DeleteObject(bitmap);
    return ok;
  }

  DecodedPicture DecodePicture(const uint8_t* bytes, size_t n, int32_t* himetric_w,
                               int32_t* himetric_h) override {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n);
    if (block == nullptr) return nullptr;
    void* place = GlobalLock(block);
    if (place == nullptr) {
      GlobalFree(block);
      return nullptr;
    }
    std::memcpy(place, bytes, n);
    GlobalUnlock(block);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
      GlobalFree(block);
      return nullptr;
    }
    IPicture* picture = nullptr;
    HRESULT decoded = OleLoadPicture(stream, static_cast<LONG>(n), FALSE, kIPicture,
                                     reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(decoded) || picture == nullptr) return nullptr;
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    picture->get_Width(&w);
    picture->get_Height(&h);
    *himetric_w = w;
    *himetric_h = h;
    return picture;
  }

  void Resolution(Surface target, int32_t* dpi_x, int32_t* dpi_y) override {
    HDC dc = target != nullptr ? Dc(target) : GetDC(nullptr);
    *dpi_x = GetDeviceCaps(dc, LOGPIXELSX);
    *dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
    if (target == nullptr) ReleaseDC(nullptr, dc);
  }

  // The source rectangle is in HIMETRIC with its origin at the bottom edge
  // and a negative height, which draws the picture upright.
  void RenderPicture(Surface target, DecodedPicture picture, const Area& to) override {
    if (target == nullptr) return;
    IPicture* p = static_cast<IPicture*>(picture);
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    p->get_Width(&w);
    p->get_Height(&h);
    p->Render(Dc(target), to.x, to.y, to.w, to.h, 0, h, w, -h, nullptr);
  }

  void ReleasePicture(DecodedPicture picture) override {
    static_cast<IPicture*>(picture)->Release();
  }

 private:
  // The picture's colour table and rows bottom-up in its own depth, read
  // through the kept palette: first the table and image size, then the rows.
  // Plain rows are asked for both times, as a driver may answer the first
  // call with colour masks.
  bool ReadDib(HBITMAP bitmap, DibPixels* out) {
    BITMAP shape;
    if (GetObject(bitmap, sizeof shape, &shape) == 0) return false;
    DibInfo info;
    std::memset(&info, 0, sizeof info);
    info.header.biSize = sizeof info.header;
    info.header.biWidth = shape.bmWidth;
    info.header.biHeight = shape.bmHeight;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(shape.bmPlanes * shape.bmBitsPixel);
    info.header.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HPALETTE palette = kept_palette_ != nullptr
                           ? kept_palette_
                           : static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    bool ok;
    {
      PaletteSelection selection(screen, palette);
      BITMAPINFO* bi = reinterpret_cast<BITMAPINFO*>(&info);
      ok = GetDIBits(screen, bitmap, 0, shape.bmHeight, nullptr, bi, DIB_RGB_COLORS) != 0;
      if (ok) {
        info.header.biCompression = BI_RGB;
        out->width = shape.bmWidth;
        out->height = shape.bmHeight;
        out->bit_count = info.header.biBitCount;
        out->image_size = info.header.biSizeImage;
        out->pixels.assign(DibStride(shape.bmWidth, out->bit_count) * shape.bmHeight, '\0');
        ok = GetDIBits(screen, bitmap, 0, shape.bmHeight, &out->pixels[0], bi, DIB_RGB_COLORS) ==
             shape.bmHeight;
        uint32_t colours = out->bit_count <= 8 ? uint32_t{1} << out->bit_count : 0;
        out->colour_table.assign(reinterpret_cast<const char*>(info.colours), colours * 4);
      }
    }
    ReleaseDC(nullptr, screen);
    return ok;
  }

  HBITMAP kept_ = nullptr;
  HPALETTE kept_palette_ = nullptr;
  int32_t kept_width_ = 0, kept_height_ = 0;
  KeptObjects<HPEN, 16> pens_;
  KeptObjects<HBRUSH, 16> brushes_;
  // What the back screen has selected of them, and what it had before.
  HPEN back_pen_ = nullptr;
  HBRUSH back_brush_ = nullptr;
  HGDIOBJ back_first_pen_ = nullptr, back_first_brush_ = nullptr;
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
