#include "media/filters.h"

#include <cstring>

#include "core/common.h"
#include "core/text.h"

namespace zep {

const char kDataFileFilters[] =
    "全ファイル(*.*)\0*.*\0"
    "ビットマップ(*.BMP)\0*.BMP\0"
    "テキスト(*.TXT)\0*.TXT\0"
    "データファイル(*.DAT)\0*.DAT\0";  // the literal's own NUL ends the list

namespace {

// The entries of the digits 1..6.
const char* const kTypeEntries[] = {
    "全ファイル(*.*)\\*.*\\",
    "テキスト ファイル(*.txt)\\*.txt\\",
    "ビットマップ ファイル(*.bmp)\\*.bmp\\",
    "アイコン ファイル(*.ico)\\*.ico\\",
    "JPEG ファイル(*.jpg;*.jpeg)\\*.jpg;*jpeg\\",
    "GIF ファイル(*.gif)\\*.gif\\",
};

}  // namespace

bool BuildTypeFilters(int32_t type, char* out, size_t cap) {
  ZEP_ASSERT(type > 0, "type lists need a positive type");
  char digits[16];
  size_t count = 0;
  for (int32_t t = type; t > 0; t /= 10) digits[count++] = static_cast<char>(t % 10);
  size_t used = 0;
  out[0] = '\0';
  while (count > 0) {
    int digit = digits[--count];
    if (digit < 1 || digit > 6) return false;
    used += CopyText(out + used, cap - used, kTypeEntries[digit - 1]);
  }
  return true;
}

void ToPlatformFilters(char* list, size_t cap) {
  size_t length = std::strlen(list);
  ZEP_ASSERT(length + 2 <= cap, "no room to close the filter list");
  bool ends_with_separator = false;
  for (size_t i = 0; i < length; i += CharLength(list + i)) {
    ends_with_separator = list[i] == '\\';
    if (ends_with_separator) list[i] = '\0';
  }
  if (!ends_with_separator) list[length + 1] = '\0';
}

}  // namespace zep
