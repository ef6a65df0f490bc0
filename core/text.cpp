#include "core/text.h"

namespace zep {

size_t CompactProgramText(char* text) {
  char* out = text;
  const char* p = text;
  while (*p != '\0') {
    if (*p == '"') {
      *out++ = *p++;
      while (*p != '\0' && *p != '"') *out++ = *p++;
      if (*p == '"') *out++ = *p++;
    } else if (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') {
      ++p;
    } else if (p[0] == '/' && p[1] == '/') {
      // A comment ends only at a CR LF pair; a lone LF stays inside it.
      while (*p != '\0' && !(p[0] == '\r' && p[1] == '\n')) ++p;
      if (*p != '\0') p += 2;
    } else {
      *out++ = *p++;
    }
  }
  *out = '\0';
  return static_cast<size_t>(out - text);
}

}  // namespace zep
