#include "assist/font_assist.h"

#include "core/common.h"

namespace zep {

const char kFontSample[] = "Aa12あぁアァ亜宇";

bool FontList::Add(const char* face) {
  if (count() >= kMaxFonts) return false;
  char name[32];
  CopyText(name, sizeof name, face);
  names_.emplace_back(name);
  return true;
}

SampleFont SampleFontFor(int style_id) {
  SampleFont font;
  font.italic = style_id == kFirstFontStyle + 1 || style_id == kFirstFontStyle + 3;
  font.weight = style_id >= kFirstFontStyle + 2 ? 700 : 0;
  return font;
}

std::string FontText(const char* face, int style_id, int mode) {
  if (mode != 0) return face;
  return "SetFont(\"" + std::string(face) + "\"," + std::to_string(style_id - kFirstFontStyle) + ") ;\r\n";
}

}  // namespace zep
