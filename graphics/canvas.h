// The drawing surfaces as the platform provides them: the back screen's life
// and the drawing operations of the graphics commands. Every decision (which
// colour, which points, which raster operation, which font) is taken by the
// portable command code; an implementation only carries out one call.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/common.h"
#include "graphics/bmp_format.h"
#include "graphics/palette.h"

namespace zep {

// An opaque drawing context: a client-area context or the back screen's.
// On Windows it is an HDC; nullptr stands for "no usable surface".
using Surface = void*;

// A pen of width 1.
struct Pen {
  Rgb colour;
  bool dotted;
};

// A solid brush, or the platform's empty brush that leaves interiors alone.
struct Brush {
  Rgb colour;
  bool empty;
};

struct PointXY {
  int32_t x, y;
};

enum class Shape : uint8_t {
  kRectangle,  // left/top/right/bottom, right and bottom exclusive
  kRoundRect,  // the same rectangle, corner ellipse corner_w by corner_h
  kPolygon,    // points[0..point_count-1], closed, even-odd fill
  kEllipse,    // inscribed in the rectangle
  kPie,        // inscribed ellipse counter-clockwise from points[0] to points[1]
  kArc,
  kChord,
  kLine,       // from points[0] to points[1], the end point not painted
};

struct Figure {
  Shape shape;
  int32_t left, top, right, bottom;
  int32_t corner_w, corner_h;
  PointXY points[4];
  int point_count;
};

// A rectangle by origin and extents; negative extents mirror a stretching copy.
struct Area {
  int32_t x, y, w, h;
};

// The five raster operations of a bitmap copy.
enum class RasterOp : uint8_t {
  kCopy,     // source
  kNotCopy,  // NOT source
  kPaint,    // source OR destination
  kAnd,      // source AND destination
  kInvert,   // source XOR destination
};

// Every field of the font a text command builds for its own call.
struct FontSpec {
  int32_t height, width, escapement, orientation, weight;
  uint8_t italic, underline, strike_out, char_set;
  uint8_t out_precision, clip_precision, quality, pitch_and_family;
  char face[32];
};

// A picture decoded by the platform's picture decoder; nullptr = none.
using DecodedPicture = void*;

// The colour value a pixel read gives for a point outside the surface.
constexpr uint32_t kInvalidColour = 0xFFFFFFFFu;

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Creates the back screen compatible with window's client area.
  virtual void CreateBackScreen(WindowRef window, int width, int height) = 0;
  // Destroys the back screen, if one was created.
  virtual void DestroyBackScreen() = 0;

  // A drawing context for window's client area, to be given back with
  // ReleaseFront before the command returns.
  virtual Surface AcquireFront(WindowRef window) = 0;
  virtual void ReleaseFront(WindowRef window, Surface front) = 0;
  // The back screen's context, which stays valid for the whole run.
  virtual Surface BackSurface() = 0;

  // Draws one figure with a pen and a brush made for this call only.
  virtual void DrawFigure(Surface target, const Figure& figure, const Pen& pen,
                          const Brush& brush) = 0;
  virtual void SetPixel(Surface target, int32_t x, int32_t y, Rgb colour) = 0;
  // Red in bits 0..7, green 8..15, blue 16..23; kInvalidColour outside.
  virtual uint32_t GetPixel(Surface target, int32_t x, int32_t y) = 0;

  // One stretching copy from `from` of source to `to` of destination.
  virtual void StretchCopy(Surface destination, const Area& to, Surface source,
                           const Area& from, RasterOp op) = 0;
  // Copies from.w x from.h pixels at (from.x, from.y) of source into a
  // temporary 32-bit picture and reads its bytes (blue, green, red, unused;
  // rows top-down) into out, which holds w * h * 4 bytes. False on failure.
  virtual bool ReadPixels(Surface source, const Area& from, uint8_t* out) = 0;
  // Puts such bytes into a temporary picture and copies it unscaled to
  // (to.x, to.y) of destination; to.w and to.h give the picture's size.
  virtual void WritePixels(Surface destination, const Area& to, const uint8_t* in) = 0;
  // Puts a copy of the rectangle of source on the clipboard as a bitmap.
  virtual void CopyToClipboard(WindowRef owner, Surface source, const Area& area) = 0;

  // Writes length bytes of Shift-JIS text with (x, y) the top-left corner of
  // the first cell: transparent background, text colour, font of this call.
  virtual void WriteText(Surface target, int32_t x, int32_t y, const char* text, size_t length,
                         const FontSpec& font, Rgb colour) = 0;

  // The kept picture of the BMP commands. KeepBitmap converts a checked
  // bitmap into a picture in the display's format, with a logical palette
  // made from its colour table when it has one, through a screen context in
  // which that palette is realised; they replace the kept ones. False, and
  // the kept ones unchanged, when the conversion fails.
  virtual bool KeepBitmap(const BmpImage& image) = 0;
  // Copies the whole kept picture to (x, y) of target through its palette.
  virtual void DrawKeptBitmap(Surface target, int32_t x, int32_t y) = 0;
  // Destroys the kept picture and palette, if any.
  virtual void ForgetKeptBitmap() = 0;
  // Copies the rectangle of source into a picture of the screen's depth and
  // gives its colour table and rows bottom-up, read through the kept palette
  // (the default one when none is kept). False when the platform fails.
  virtual bool CaptureBitmap(Surface source, const Area& area, DibPixels* out) = 0;

  // Decodes a whole picture file (bitmap, JPEG, GIF, icon) held in memory,
  // one that passed CheckPictureFile (a bitmap as BmpFileOf made it); gives
  // its size in hundredths of a millimetre, or nullptr when the decoder does
  // not understand it.
  virtual DecodedPicture DecodePicture(const uint8_t* bytes, size_t n, int32_t* himetric_w,
                                       int32_t* himetric_h) = 0;
  // Dots per inch of target, across and down.
  virtual void Resolution(Surface target, int32_t* dpi_x, int32_t* dpi_y) = 0;
  // Draws the whole picture upright into the rectangle `to` of target.
  virtual void RenderPicture(Surface target, DecodedPicture picture, const Area& to) = 0;
  virtual void ReleasePicture(DecodedPicture picture) = 0;
};

// The canvas in use. Set once at start-up (or by a test).
extern Canvas* canvas_system;

}  // namespace zep
