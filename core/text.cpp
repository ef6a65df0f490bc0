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
      // A comment ends with its line, at the LF of a CR LF or at a lone LF
      // (the line end most editors write today).
      while (*p != '\0' && *p != '\n') ++p;
      if (*p != '\0') ++p;
    } else {
      *out++ = *p++;
    }
  }
  *out = '\0';
  return static_cast<size_t>(out - text);
}

}  // namespace zep
