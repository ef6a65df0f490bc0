#include "media/paths.h"

#include <cstring>

#include "core/text.h"

namespace zep {

size_t PathNameStart(const char* path) {
  size_t start = 0;
  for (size_t i = 0; path[i] != '\0'; i += CharLength(path + i)) {
    if (i > 0 && path[i] == '\\') start = i + 1;
  }
  return start;
}

size_t PathFolderLength(const char* path) {
  size_t start = PathNameStart(path);
  return start > 0 ? start : std::strlen(path);
}

}  // namespace zep
