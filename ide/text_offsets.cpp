#include "ide/text_offsets.h"

#include <cstring>

#include "core/text.h"

namespace zep {

size_t ByteOffsetOf(const std::string& text, int32_t characters) {
  size_t at = 0;
  for (int32_t n = 0; n < characters && at < text.size(); ++n) at += CharLength(&text[at]);
  return at < text.size() ? at : text.size();
}

int32_t CharOffsetOf(const std::string& text, size_t bytes) {
  int32_t n = 0;
  for (size_t at = 0; at < bytes && at < text.size(); at += CharLength(&text[at])) ++n;
  return n;
}

size_t FindDown(const std::string& text, size_t from, const std::string& wanted) {
  if (wanted.empty()) return std::string::npos;
  for (size_t at = from; at < text.size(); at += CharLength(&text[at])) {
    if (at == from) continue;
    if (text.compare(at, wanted.size(), wanted) == 0) return at;
  }
  return std::string::npos;
}

}  // namespace zep
