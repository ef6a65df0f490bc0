// The font assist's decisions: the list of Shift-JIS font families, the
// sample font of each style, and the text produced.
#pragma once

#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace zep {

// Style radio buttons 201..204: normal, italic, bold, bold italic.
constexpr int kFirstFontStyle = ZEP_FONT_NORMAL, kLastFontStyle = ZEP_FONT_BOLD_ITALIC;

// The families as the platform enumerates them, in that order, at most 512
// (enumeration stops when the list is full); duplicates are kept. A face
// name holds at most 31 bytes, as the platform's face names do.
class FontList {
 public:
  static constexpr int kMaxFonts = 512;
  // Adds a name; false when the list is full (the name is not added).
  bool Add(const char* face);
  int count() const { return static_cast<int>(names_.size()); }
  const std::string& at(int i) const { return names_[static_cast<size_t>(i)]; }

 private:
  std::vector<std::string> names_;
};

// The font the sample is drawn in, with the values the platform's font
// description takes.
struct SampleFont {
  int height = 24, width = 12;
  int weight = 0;  // 0 the platform's default, 700 bold
  bool italic = false;
  int charset = 128, out_precision = 4, clip_precision = 0, quality = 1, pitch_and_family = 0x11;
};

SampleFont SampleFontFor(int style_id);

// The 16-byte sample, written at (kSampleX, kSampleY) in blue over a white
// rectangle, in client pixels.
extern const char kFontSample[];
constexpr int kSampleLeft = 14, kSampleTop = 268, kSampleRight = 310, kSampleBottom = 300;
constexpr int kSampleX = 22, kSampleY = 272;

// Output mode 0: SetFont("face",sw) ; with CR LF, sw the style's number
// 0..3; mode 1: the face alone.
std::string FontText(const char* face, int style_id, int mode);

}  // namespace zep
