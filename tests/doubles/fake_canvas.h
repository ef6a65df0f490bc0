// A canvas for the host tests: it records every drawing call as a short
// text, keeps the pixels that Point sets so that GetPixel can read them back,
// and counts client-area contexts that were taken and not given back.
#pragma once

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/canvas.h"

namespace zep {

class FakeCanvas : public Canvas {
 public:
  std::vector<std::string> calls;
  int open_fronts = 0;     // client-area contexts not yet released
  bool back_usable = true; // false: the platform could not make the back screen
  // Pixels by surface name and position; unknown pixels read as outside.
  std::map<std::tuple<std::string, int32_t, int32_t>, uint32_t> pixels;
  // What ReadPixels gives: these bytes repeated over the rectangle.
  std::vector<uint8_t> read_pattern{0, 0, 0, 0};
  bool read_fails = false;
  std::vector<uint8_t> written;  // the bytes of the last WritePixels
  FontSpec last_font{};
  std::string last_text;
  // The kept picture: its size, depth and colours; KeepBitmap fails when
  // keep_fails is set.
  bool keep_fails = false;
  bool kept = false;
  std::string kept_palette;   // the colour table bytes the palette came from
  // What CaptureBitmap gives, width and height taken from the rectangle.
  bool capture_fails = false;
  DibPixels capture{0, 0, 32, 0, "", ""};
  // What DecodePicture gives: a picture of this physical size, or none.
  bool decodes = true;
  int32_t himetric_w = 2540, himetric_h = 2540;
  int32_t dpi_x = 96, dpi_y = 96;
  int live_pictures = 0;      // decoded and not yet released
  std::string decoded;        // the bytes handed to the last DecodePicture
  // Names of other surfaces (a bitmap button's) in the recorded calls.
  std::map<Surface, std::string> surface_names;

  // The recorded calls that draw or read, without context bookkeeping.
  std::string Last() const { return calls.empty() ? "" : calls.back(); }

  void CreateBackScreen(WindowRef, int width, int height) override {
    calls.push_back("CreateBackScreen " + std::to_string(width) + " " + std::to_string(height));
    back_ = back_usable ? kBack : nullptr;
  }
  void DestroyBackScreen() override {
    calls.push_back("DestroyBackScreen");
    back_ = nullptr;
  }
  Surface AcquireFront(WindowRef) override {
    ++open_fronts;
    return kFront;
  }
  void ReleaseFront(WindowRef, Surface front) override {
    EXPECT_EQ(front, kFront) << "a context that is not the client area was released";
    --open_fronts;
  }
  Surface BackSurface() override { return back_; }

  void DrawFigure(Surface target, const Figure& f, const Pen& pen, const Brush& brush) override {
    static const char* const kNames[] = {"Rectangle", "RoundRect", "Polygon", "Ellipse",
                                         "Pie",       "Arc",       "Chord",   "Line"};
    std::string text = std::string(kNames[static_cast<int>(f.shape)]) + " " + Name(target);
    char part[96];
    if (f.shape != Shape::kPolygon && f.shape != Shape::kLine) {
      std::snprintf(part, sizeof part, " %d,%d,%d,%d", f.left, f.top, f.right, f.bottom);
      text += part;
    }
    if (f.shape == Shape::kRoundRect) {
      std::snprintf(part, sizeof part, " r%d,%d", f.corner_w, f.corner_h);
      text += part;
    }
    if (f.point_count > 0) text += " ";
    for (int i = 0; i < f.point_count; ++i) {
      std::snprintf(part, sizeof part, "(%d,%d)", f.points[i].x, f.points[i].y);
      text += part;
    }
    std::snprintf(part, sizeof part, " pen %s%s brush %s", Hex(pen.colour).c_str(),
                  pen.dotted ? " dot" : "", brush.empty ? "none" : Hex(brush.colour).c_str());
    calls.push_back(text + part);
  }
  void SetPixel(Surface target, int32_t x, int32_t y, Rgb c) override {
    Record("SetPixel %s %d,%d %s", Name(target).c_str(), x, y, Hex(c).c_str());
    pixels[{Name(target), x, y}] = c.r | (c.g << 8) | (uint32_t{c.b} << 16);
  }
  uint32_t GetPixel(Surface target, int32_t x, int32_t y) override {
    Record("GetPixel %s %d,%d", Name(target).c_str(), x, y);
    auto it = pixels.find({Name(target), x, y});
    return it == pixels.end() ? kInvalidColour : it->second;
  }
  void StretchCopy(Surface destination, const Area& to, Surface source, const Area& from,
                   RasterOp op) override {
    Record("StretchCopy %s %d,%d,%d,%d <- %s %d,%d,%d,%d op%d", Name(destination).c_str(), to.x,
           to.y, to.w, to.h, Name(source).c_str(), from.x, from.y, from.w, from.h,
           static_cast<int>(op));
  }
  bool ReadPixels(Surface source, const Area& from, uint8_t* out) override {
    Record("ReadPixels %s %d,%d,%d,%d", Name(source).c_str(), from.x, from.y, from.w, from.h);
    if (read_fails) return false;
    size_t n = static_cast<size_t>(from.w) * from.h * 4;
    for (size_t i = 0; i < n; ++i) out[i] = read_pattern[i % read_pattern.size()];
    return true;
  }
  void WritePixels(Surface destination, const Area& to, const uint8_t* in) override {
    Record("WritePixels %s %d,%d,%d,%d", Name(destination).c_str(), to.x, to.y, to.w, to.h);
    written.assign(in, in + static_cast<size_t>(to.w) * to.h * 4);
  }
  void CopyToClipboard(WindowRef, Surface source, const Area& a) override {
    Record("CopyToClipboard %s %d,%d,%d,%d", Name(source).c_str(), a.x, a.y, a.w, a.h);
  }
  void WriteText(Surface target, int32_t x, int32_t y, const char* text, size_t length,
                 const FontSpec& font, Rgb colour) override {
    last_font = font;
    last_text.assign(text, length);
    Record("WriteText %s %d,%d %s \"%s\"", Name(target).c_str(), x, y, Hex(colour).c_str(),
           last_text.c_str());
  }

  bool KeepBitmap(const BmpImage& image) override {
    Record("KeepBitmap %dx%d %dbit %u colours", image.width, image.height, image.bit_count,
           image.colours);
    if (keep_fails) return false;
    kept = true;
    kept_palette.assign(reinterpret_cast<const char*>(image.colour_table), image.colours * 4);
    return true;
  }
  void DrawKeptBitmap(Surface target, int32_t x, int32_t y) override {
    Record("DrawKeptBitmap %s %d,%d%s", Name(target).c_str(), x, y, kept ? "" : " nothing kept");
  }
  // Recorded only when something is kept, as the platform only then acts.
  void ForgetKeptBitmap() override {
    if (kept) calls.push_back("ForgetKeptBitmap");
    kept = false;
    kept_palette.clear();
  }
  bool CaptureBitmap(Surface source, const Area& a, DibPixels* out) override {
    Record("CaptureBitmap %s %d,%d,%d,%d%s", Name(source).c_str(), a.x, a.y, a.w, a.h,
           kept_palette.empty() ? "" : " kept palette");
    if (capture_fails) return false;
    *out = capture;
    out->width = a.w;
    out->height = a.h;
    if (out->pixels.empty()) out->pixels.assign(SavedImageSize(*out), '\x5A');
    return true;
  }
  DecodedPicture DecodePicture(const uint8_t* bytes, size_t n, int32_t* w, int32_t* h) override {
    Record("DecodePicture %zu bytes", n);
    decoded.assign(reinterpret_cast<const char*>(bytes), n);
    if (!decodes) return nullptr;
    *w = himetric_w;
    *h = himetric_h;
    ++live_pictures;
    return kPicture;
  }
  void Resolution(Surface target, int32_t* x, int32_t* y) override {
    Record("Resolution %s", Name(target).c_str());
    *x = dpi_x;
    *y = dpi_y;
  }
  void RenderPicture(Surface target, DecodedPicture picture, const Area& to) override {
    EXPECT_EQ(picture, kPicture);
    Record("RenderPicture %s %d,%d,%d,%d", Name(target).c_str(), to.x, to.y, to.w, to.h);
  }
  void ReleasePicture(DecodedPicture picture) override {
    EXPECT_EQ(picture, kPicture);
    --live_pictures;
  }

 private:
  static inline const DecodedPicture kPicture = reinterpret_cast<DecodedPicture>(0x9C);
  static inline const Surface kFront = reinterpret_cast<Surface>(0xF0);
  static inline const Surface kBack = reinterpret_cast<Surface>(0xB0);
  Surface back_ = nullptr;

  std::string Name(Surface s) const {
    if (s == kFront) return "front";
    if (s == kBack) return "back";
    auto named = surface_names.find(s);
    if (named != surface_names.end()) return named->second;
    return s == nullptr ? "none" : "unknown";
  }
  static std::string Hex(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", c.r, c.g, c.b);
    return text;
  }
  template <typename... T>
  void Record(const char* format, T... values) {
    char text[600];
    std::snprintf(text, sizeof text, format, values...);
    calls.push_back(text);
  }
};

}  // namespace zep
