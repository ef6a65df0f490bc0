#include "core/common.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/text.h"

namespace zep {

void AssertFailed(const char* file, int line, const char* cond, const char* msg) {
  std::fprintf(stderr, "%s:%d: assertion failed: %s (%s)\n", file, line, cond, msg);
  std::abort();
}

size_t CopyTextN(char* dst, size_t cap, const char* src, size_t n) {
  if (cap == 0) return 0;
  size_t i = 0;
  while (i < n && src[i] != '\0') {
    // A double-byte character that the cut or the room would split is left
    // out whole: a lone lead byte would swallow the byte after it.
    size_t step = (IsLeadByte(src[i]) && src[i + 1] != '\0') ? 2 : 1;
    if (i + step > n || i + step > cap - 1) break;
    i += step;
  }
  for (size_t j = 0; j < i; ++j) dst[j] = src[j];
  dst[i] = '\0';
  return i;
}

size_t CopyText(char* dst, size_t cap, const char* src) {
  return CopyTextN(dst, cap, src, static_cast<size_t>(-1));
}

}  // namespace zep
