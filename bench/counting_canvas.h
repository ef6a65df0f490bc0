// The recording canvas of the benchmarks: it draws nothing, but counts the
// figures drawn and adds up their corners, so that a benchmark
// measures the interpreter and can still check what it was asked to draw.
#pragma once

#include <cstdint>

#include "graphics/canvas.h"

namespace zep {

class CountingCanvas : public Canvas {
 public:
  void CreateBackScreen(WindowRef, int, int) override { back_ = true; }
  void DestroyBackScreen() override { back_ = false; }
  Surface AcquireFront(WindowRef) override { return &front_; }
  void ReleaseFront(WindowRef, Surface) override {}
  Surface BackSurface() override { return back_ ? &back_ : nullptr; }
  void DrawFigure(Surface target, const Figure& figure, const Pen& pen,
                  const Brush& brush) override;
  void SetPixel(Surface, int32_t, int32_t, Rgb) override {}
  uint32_t GetPixel(Surface, int32_t, int32_t) override { return 0; }
  void StretchCopy(Surface, const Area&, Surface, const Area&, RasterOp) override {}
  bool ReadPixels(Surface, const Area&, uint8_t*) override { return false; }
  void WritePixels(Surface, const Area&, const uint8_t*) override {}
  void CopyToClipboard(WindowRef, Surface, const Area&) override {}
  void WriteText(Surface, int32_t, int32_t, const char*, size_t, const FontSpec&, Rgb) override {}
  bool KeepBitmap(const BmpImage&) override { return false; }
  void DrawKeptBitmap(Surface, int32_t, int32_t) override {}
  void ForgetKeptBitmap() override {}
  bool CaptureBitmap(Surface, const Area&, DibPixels*) override { return false; }
  DecodedPicture DecodePicture(const uint8_t*, size_t, int32_t*, int32_t*) override {
    return nullptr;
  }
  void Resolution(Surface, int32_t* x, int32_t* y) override { *x = *y = 96; }
  void RenderPicture(Surface, DecodedPicture, const Area&) override {}
  void ReleasePicture(DecodedPicture) override {}

  long figures = 0;       // figures drawn on the back screen
  int64_t checksum = 0;   // l + 2t + 3r + 5b of each, added up
  long elsewhere = 0;     // figures drawn on the front screen

 private:
  bool back_ = false;
  int front_ = 0;
};

}  // namespace zep
