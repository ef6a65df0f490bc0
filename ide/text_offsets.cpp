#include "ide/text_offsets.h"

#include <cstring>

#include "core/text.h"

namespace zep {

size_t FindDown(const std::string& text, size_t from, const std::string& wanted) {
  if (wanted.empty()) return std::string::npos;
  for (size_t at = from; at < text.size(); at += CharLength(&text[at])) {
    if (at == from) continue;
    if (text.compare(at, wanted.size(), wanted) == 0) return at;
  }
  return std::string::npos;
}

}  // namespace zep
