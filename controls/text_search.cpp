#include "controls/text_search.h"

#include <cstring>

#include "core/text.h"

namespace zep {

int32_t SearchText(const char* text, size_t length, int32_t n, const char* str, size_t m) {
  if (n < 0 || static_cast<size_t>(n) + m > length) return -1;
  size_t p = static_cast<size_t>(n);
  while (p < length) {
    if (p + m <= length && std::memcmp(text + p, str, m) == 0 && m > 0) {
      return static_cast<int32_t>(p);
    }
    // A lead byte as the last byte of the text steps one.
    p += (IsLeadByte(text[p]) && p + 1 < length) ? 2 : 1;
  }
  return -1;
}

int32_t CompareText(const char* text, size_t length, int32_t n, const char* str, size_t m) {
  if (n < 0 || static_cast<size_t>(n) >= length || m == 0) return 0;
  if (static_cast<size_t>(n) + m > length) return 0;
  return std::memcmp(text + n, str, m) == 0 ? 1 : 0;
}

}  // namespace zep
