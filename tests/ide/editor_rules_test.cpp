// The editor's portable rules: the title, the name Save As writes, the
// standard program, byte and character positions, the search scan, and
// finding the statement where a run stopped in the text as written.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/run_settings.h"
#include "core/text.h"
#include "ide/document.h"
#include "ide/editor_texts.h"
#include "ide/error_place.h"
#include "ide/text_offsets.h"
#include "runtime/start.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

TEST(EditorTitle, NameOrNoname) {
  struct Row {
    const char* name;
    const char* title;
    const char* path_after;  // file_path, which starts as "C:\old.zep"
  };
  const Row rows[] = {
      {"", "ZEP - [NONAME.ZEP]", "NONAME.ZEP"},
      {"prog.zep", "ZEP - [prog.zep]", "C:\\old.zep"},
      {"表示.zep", "ZEP - [表示.zep]", "C:\\old.zep"},
  };
  for (const Row& row : rows) {
    EditorDocument d;
    CopyText(d.file_path, sizeof d.file_path, "C:\\old.zep");
    char title[256];
    EditorTitle(d, row.name, title, sizeof title);
    EXPECT_STREQ(title, row.title);
    EXPECT_STREQ(d.file_path, row.path_after) << row.name;
  }
}

TEST(EditorTitle, ALongNameIsCutAtAWholeCharacter) {
  EditorDocument d;
  std::string name(240, 'a');
  for (int i = 0; i < 10; ++i) name += "表";
  char title[256];
  EditorTitle(d, name.c_str(), title, sizeof title);
  std::string shown = title;
  EXPECT_LE(shown.size(), 255u);
  EXPECT_EQ(shown.compare(0, 7, "ZEP - ["), 0);
  EXPECT_EQ(shown.size() % 2, (7u + 240u) % 2);  // no half of 表 left at the end
}

TEST(SaveAsName, ZepIsAddedWhenThePathHasNoDot) {
  struct Row {
    const char* path;
    const char* name;
    const char* path_after;
    const char* name_after;
  };
  const Row rows[] = {
      {"D:\\work\\prog", "prog", "D:\\work\\prog.zep", "prog.zep"},
      {"D:\\my.dir\\prog", "prog", "D:\\my.dir\\prog", "prog"},
      {"D:\\work\\prog.txt", "prog.txt", "D:\\work\\prog.txt", "prog.txt"},
      {"D:\\作業\\ボ", "ボ", "D:\\作業\\ボ.zep", "ボ.zep"},
  };
  for (const Row& row : rows) {
    char path[kMaxPath], name[kMaxPath];
    CopyText(path, sizeof path, row.path);
    CopyText(name, sizeof name, row.name);
    EXPECT_TRUE(AddScriptExtension(path, name));
    EXPECT_STREQ(path, row.path_after);
    EXPECT_STREQ(name, row.name_after);
  }
}

TEST(SaveAsName, APathWithNoRoomForTheExtensionIsRefused) {
  char path[kMaxPath], name[kMaxPath] = "x";
  std::string long_path(kMaxPath - 3, 'p');
  CopyText(path, sizeof path, long_path.c_str());
  EXPECT_FALSE(AddScriptExtension(path, name));
  EXPECT_EQ(std::string(path), long_path);
  EXPECT_STREQ(name, "x");
}

class StandardProgramTest : public RunTest {};

// Its size in Shift-JIS, and it runs: its window settings are those its
// comments promise, and its menu item ends the program.
TEST_F(StandardProgramTest, Is505BytesAndRuns) {
  EXPECT_EQ(std::strlen(kStandardProgram), 505u);
  EXPECT_EQ(std::string(kStandardProgram).find('\n'), std::string(kStandardProgram).find("\r\n") + 1);
  ASSERT_EQ(Load(kStandardProgram), 0) << error_name;
  EXPECT_STREQ(window_settings.caption, "ＺＥＰプログラム");
  EXPECT_EQ(window_settings.timer_ms, 1000);
  OnRunCreate(kWindow);
  RunSection(kWindow, "ID_end");
  EXPECT_EQ(error_code, 0);
  EXPECT_EQ(run_state.running, 0);
  OnRunDestroy(kWindow);
}

TEST(TextOffsets, BytesAndCharacters) {
  const std::string text = "aボ\r\nb表c";  // a, ボ (2 bytes), CR, LF, b, 表 (2), c
  struct Row {
    int32_t characters;
    size_t bytes;
  };
  const Row rows[] = {{0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 8}, {7, 9}, {9, 9}};
  for (const Row& row : rows) {
    EXPECT_EQ(ByteOffsetOf(text, row.characters), row.bytes) << row.characters;
    if (row.characters <= 7) {
      EXPECT_EQ(CharOffsetOf(text, row.bytes), row.characters) << row.bytes;
    }
  }
  EXPECT_EQ(CharOffsetOf(text, 2), 2);  // inside ボ: the character it begins counts
}

// The rich text control counts each line end once: plain indices (a line
// end two) as rich ones.
TEST(TextOffsets, PlainAndRichCounts) {
  const std::string text = "aボ\r\n\r\nb\rc";  // a ボ CR LF CR LF b CR c
  struct Row {
    int32_t plain, rich;
  };
  const Row rows[] = {{0, 0}, {2, 2}, {4, 3}, {6, 4}, {7, 5}, {8, 6}, {9, 7}, {20, 7}};
  for (const Row& row : rows) EXPECT_EQ(RichOffsetOf(text, row.plain), row.rich) << row.plain;
  EXPECT_EQ(RichOffsetOf(text, 3), 2);  // between CR and LF: the line's end
}

// "表" is 0x95 0x5C: its trail byte is a backslash, which no search finds.
TEST(TextOffsets, FindInTextMatchesWholeCharactersOnly) {
  struct Row {
    const char* text;
    const char* wanted;
    size_t from, at;
  };
  const Row rows[] = {
      {"表\\", "\\", 0, 2}, {"表", "\\", 0, std::string::npos}, {"a：b：", "：", 2, 4},
      {"題：", "：", 0, 2},     {"ab", "abc", 0, std::string::npos},  {"", "", 0, 0},
  };
  for (const Row& row : rows) EXPECT_EQ(FindInText(row.text, row.wanted, row.from), row.at) << row.text;
}

TEST(FindDownScan, CharacterBoundariesAndTheStartPosition) {
  // ボ is 0x83 0x7B: its trail byte is "{". 表 is 0x95 0x5C: its trail is "\".
  struct Row {
    const char* text;
    size_t from;
    const char* wanted;
    size_t found;  // npos: none
  };
  const size_t none = std::string::npos;
  const Row rows[] = {
      {"abcabc", 0, "abc", 3},           // the match at the start is skipped
      {"abcabc", 1, "abc", 3},
      {"abcabc", 3, "abc", none},        // no wrap to the top
      {"xabc", 0, "abc", 1},
      {"ボ{", 0, "{", 2},                 // not the trail byte of ボ
      {"表\\n", 0, "\\", 2},              // not the trail byte of 表
      {"ABC", 0, "abc", none},           // case-sensitive
      {"aボaボ", 0, "ボ", 1},
      {"aボaボ", 1, "ボ", 4},
      {"", 0, "a", none},
      {"abc", 0, "", none},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FindDown(row.text, row.from, row.wanted), row.found)
        << row.text << " from " << row.from << " for " << row.wanted;
  }
}

struct PlaceRow {
  const char* source;
  const char* at;        // the compacted text from the failing position on
  const char* selected;  // the source bytes to select
};

TEST(FailingStatement, FoundInTheTextAsWritten) {
  const PlaceRow rows[] = {
      {"MAIN {\r\n  x = 1 ;\r\n  y = q ;\r\n}\r\n", "y=q;", "y = q ;"},
      {"MAIN {\r\n  x = 1 ; // note ;\r\n  Box(1,\r\n 2) ;\r\n}", "Box(1,2);", "Box(1,\r\n 2) ;"},
      {"MAIN {\r\n  if (a > b) {\r\n    x = 1 ;\r\n  }\r\n}", "if(a>b){", "if (a > b)"},
      {"MAIN {\r\n  loop(2) { z = w ; }\r\n}", "z=w;", "z = w ;"},
      {"MAIN {\r\n  Print(1,1,0,0,12,0,\"a ; b\") ;\r\n}", "Print", "Print(1,1,0,0,12,0,\"a ; b\") ;"},
      {"MAIN {\r\n  ボタン = 1 ;\r\n  y = q ;\r\n}", "y=q;", "y = q ;"},
      {"マ{}\r\nSUB {\r\n  x = 1\r\n}", "x=1}", "x = 1"},
      {"A { x = 1 ; }\r\nBAD {\r\n  y = 2 ;", "{y=2;", "BAD {"},
      {"MAIN {\r\n  call(\"NONE\") ;\r\n}", "call", "call(\"NONE\") ;"},
  };
  for (const PlaceRow& row : rows) {
    std::string compacted = row.source;
    compacted.resize(CompactProgramText(&compacted[0]));
    size_t pos = compacted.find(row.at);
    ASSERT_NE(pos, std::string::npos) << row.at;
    size_t start = 0, end = 0;
    ASSERT_TRUE(FailingStatement(row.source, static_cast<int>(pos), &start, &end)) << row.source;
    EXPECT_EQ(std::string(row.source).substr(start, end - start), row.selected) << row.source;
  }
}

TEST(FailingStatement, NoneOutsideTheText) {
  size_t start = 0, end = 0;
  EXPECT_FALSE(FailingStatement("A{x=1;}", -1, &start, &end));
  EXPECT_FALSE(FailingStatement("A{x=1;}", 7, &start, &end));
  EXPECT_FALSE(FailingStatement("", 0, &start, &end));
}

}  // namespace
}  // namespace zep
