// Splitting paths into folder and name, and the dialogs' filter lists, by
// Shift-JIS character.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/common.h"
#include "media/filters.h"
#include "media/paths.h"

namespace zep {
namespace {

struct PathRow {
  const char* path;
  const char* name;    // the name part
  const char* folder;  // the folder part
};

const PathRow kPathRows[] = {
    {"C:\\data\\a.txt", "a.txt", "C:\\data\\"},
    {"a.txt", "a.txt", "a.txt"},
    {"", "", ""},
    {"C:\\", "", "C:\\"},
    {"data\\", "", "data\\"},
    // A backslash as the first byte is not taken for a separator.
    {"\\a.txt", "\\a.txt", "\\a.txt"},
    {"\\\\x", "x", "\\\\"},
    // 表 and 能 end with the byte 0x5C, which belongs to the character.
    {"C:\\表\\能", "能", "C:\\表\\"},
    {"C:\\データ\\表", "表", "C:\\データ\\"},
    {"表能", "表能", "表能"},
    {"能\\a", "a", "能\\"},
    {"x\\表.txt", "表.txt", "x\\"},
    // Single-byte katakana (0xA1..0xDF) are no lead bytes.
    {"\xB1\\b", "b", "\xB1\\"},
    // A lead byte at the end stands alone.
    {"a\\\x95", "\x95", "a\\"},
};

TEST(PathSplit, Rows) {
  for (const PathRow& r : kPathRows) {
    size_t start = PathNameStart(r.path);
    EXPECT_STREQ(r.path + start, r.name) << r.path;
    EXPECT_EQ(std::string(r.path, PathFolderLength(r.path)), r.folder) << r.path;
  }
}

// A platform filter list with each string end shown as '|', up to and
// including the empty string that ends it.
std::string Shown(const char* list) {
  std::string shown;
  for (const char* p = list;; ++p) {
    if (*p != '\0') { shown += *p; continue; }
    shown += '|';
    if (p[1] == '\0') return shown + '|';
  }
}

struct ListRow {
  const char* written;
  const char* shown;
};

const ListRow kListRows[] = {
    {"A\\*.a", "A|*.a||"},
    {"A\\*.a\\", "A|*.a||"},
    {"A\\*.a\\B\\*.b;*.c", "A|*.a|B|*.b;*.c||"},
    {"", "||"},
    {"\\", "||"},
    {"表\\*.hyo\\能力\\*.n", "表|*.hyo|能力|*.n||"},
    {"ソ表", "ソ表||"},
    {"a\\\x95", "a|\x95||"},
};

TEST(ScriptFilterList, BackslashesEndStringsAndTheListIsClosed) {
  for (const ListRow& r : kListRows) {
    char list[kMaxStatement + 2];
    std::memset(list, 'x', sizeof list);
    std::strcpy(list, r.written);
    ToPlatformFilters(list, sizeof list);
    EXPECT_EQ(Shown(list), r.shown) << r.written;
  }
}

struct TypeRow {
  int32_t type;
  bool ok;
  const char* written;  // the list in the script's form
};

const TypeRow kTypeRows[] = {
    {1, true, "全ファイル(*.*)\\*.*\\"},
    {2, true, "テキスト ファイル(*.txt)\\*.txt\\"},
    {3, true, "ビットマップ ファイル(*.bmp)\\*.bmp\\"},
    {4, true, "アイコン ファイル(*.ico)\\*.ico\\"},
    {5, true, "JPEG ファイル(*.jpg;*.jpeg)\\*.jpg;*jpeg\\"},
    {6, true, "GIF ファイル(*.gif)\\*.gif\\"},
    {61, true, "GIF ファイル(*.gif)\\*.gif\\全ファイル(*.*)\\*.*\\"},
    {111, true, "全ファイル(*.*)\\*.*\\全ファイル(*.*)\\*.*\\全ファイル(*.*)\\*.*\\"},
    {10, false, ""},
    {7, false, ""},
    {8, false, ""},
    {9, false, ""},
    {2147483647, false, ""},
};

TEST(TypeFilterList, DigitsNameEntriesMostSignificantFirst) {
  for (const TypeRow& r : kTypeRows) {
    char list[kMaxStatement + 2];
    ASSERT_EQ(BuildTypeFilters(r.type, list, sizeof list), r.ok) << r.type;
    if (r.ok) {
      EXPECT_STREQ(list, r.written) << r.type;
    }
  }
}

TEST(TypeFilterList, TheLongestTypeFitsAStatementBuffer) {
  char list[kMaxStatement + 2];
  ASSERT_TRUE(BuildTypeFilters(1555555555, list, sizeof list));
  EXPECT_EQ(std::strlen(list), std::strlen("全ファイル(*.*)\\*.*\\") +
                                   9 * std::strlen("JPEG ファイル(*.jpg;*.jpeg)\\*.jpg;*jpeg\\"));
  ToPlatformFilters(list, sizeof list);
  EXPECT_EQ(Shown(list).rfind("全ファイル(*.*)|*.*|JPEG ファイル(*.jpg;*.jpeg)|*.jpg;*jpeg|", 0), 0u);
}

TEST(DataFileFilterList, FourEntriesInThePlatformForm) {
  EXPECT_EQ(Shown(kDataFileFilters),
            "全ファイル(*.*)|*.*|ビットマップ(*.BMP)|*.BMP|テキスト(*.TXT)|*.TXT|"
            "データファイル(*.DAT)|*.DAT||");
}

}  // namespace
}  // namespace zep
