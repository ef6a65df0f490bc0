// The サンプル menu: the title each example gets from its first line, the
// menu built from the examples the program holds, and what choosing one does
// to the text, the title, the document's names and the next save.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "core/args.h"
#include "ide/samples.h"
#include "tests/ide/editor_fixture.h"

namespace zep {
namespace {

// --- the title from the first line

struct TitleRow {
  const char* name;
  const char* bytes;
  const char* file_name;
  const char* title;
};
void PrintTo(const TitleRow& row, std::ostream* out) { *out << row.name; }

const TitleRow kTitleRows[] = {
    {"title_before_the_colon", "// はじめてのZEP：クリックした所に丸を描きます。\r\nCREATE{}\r\n",
     "hello.zep", "はじめてのZEP"},
    {"no_blank_after_slashes", "//時計：今の時刻\r\n", "clock.zep", "時計"},
    {"blanks_around_dropped", "  //\t 回る　立方体　 ：説明\r\n", "cube.zep", "回る　立方体"},
    {"first_colon_ends_it", "// 題：説明：続き\r\n", "a.zep", "題"},
    {"line_feed_alone", "// 題\n：次の行\n", "memo.zep", "memo"},
    {"colon_on_a_later_line", "// 題だけ\r\n// x：y\r\n", "memo.zep", "memo"},
    {"ascii_colon_is_none", "// Title: what\r\n", "plain.zep", "plain"},
    {"no_comment_first", "CREATE{}\r\n// 題：x\r\n", "ball.zep", "ball"},
    {"empty_title", "// 　：説明\r\n", "empty.zep", "empty"},
    {"empty_file", "", "nothing.zep", "nothing"},
    {"extension_any_case", "x", "MEMO.ZEP", "MEMO"},
    {"other_extension_kept", "x", "readme.txt", "readme.txt"},
    // 0x88 0x81 is one character; its trail byte and the 'F' after it are
    // no colon.
    {"trail_byte_is_no_colon", "// \x88\x81" "F：x\r\n", "t.zep", "\x88\x81" "F"},
    {"title_of_64_bytes",
     "// 1234567890123456789012345678901234567890123456789012345678901234：x", "long.zep",
     "1234567890123456789012345678901234567890123456789012345678901234"},
    {"title_of_65_bytes_is_none",
     "// 12345678901234567890123456789012345678901234567890123456789012345：x", "long.zep",
     "long"},
};

class SampleTitleRows : public ::testing::TestWithParam<TitleRow> {};

TEST_P(SampleTitleRows, FromTheFirstLine) {
  const TitleRow& row = GetParam();
  EXPECT_EQ(SampleTitle(row.bytes, row.file_name), row.title);
}

INSTANTIATE_TEST_SUITE_P(Titles, SampleTitleRows, ::testing::ValuesIn(kTitleRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SampleMenuText, AmpersandsShowAsThemselves) {
  EXPECT_EQ(SampleMenuText("R&D"), "R&&D");
  EXPECT_EQ(SampleMenuText("&&"), "&&&&");
  EXPECT_EQ(SampleMenuText("時計"), "時計");
}

// --- the menu and its commands

class SampleTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    editor_system_.samples = {
        {"b.zep", "// Bee：two\r\nB{}\r\n"},
        {"a.zep", "// A&Co：one\r\nA{}\r\n"},
        {"c.zep", "C{}\r\n"},
    };
  }
  static constexpr int kA = kSampleCommandBase, kB = kSampleCommandBase + 1,
                       kC = kSampleCommandBase + 2;
};

TEST_F(SampleTest, TheMenuListsTheExamplesByFileName) {
  OnEditorCreate(kEditor);
  std::vector<std::string> menu;
  for (const std::string& c : host_.calls) {
    if (c.find("Popup") != std::string::npos || c.rfind("AppendItem", 0) == 0) menu.push_back(c);
  }
  std::vector<std::string> expected = {
      "CreatePopup #1",
      "AppendItem #1 33000 A&&Co",
      "AppendItem #1 33001 Bee",
      "AppendItem #1 33002 c",
      "InsertMenuPopup #1 サンプル(&S)",
  };
  EXPECT_EQ(menu, expected);
}

TEST_F(SampleTest, NoExamplesNoMenu) {
  editor_system_.samples.clear();
  OnEditorCreate(kEditor);
  for (const std::string& c : host_.calls) EXPECT_EQ(c.find("Popup"), std::string::npos) << c;
  EXPECT_FALSE(OnEditorCommand(kSampleCommandBase, 0));
}

TEST_F(SampleTest, IdsPastTheListAreNotTaken) {
  Open();
  EXPECT_FALSE(OnEditorCommand(kSampleCommandBase + 3, 0));
  EXPECT_FALSE(OnEditorCommand(kSampleCommandBase - 1, 0));
}

// The copy holds the example's bytes, has no name and is unchanged.
TEST_F(SampleTest, ChoosingOneOpensAnUnnamedUnchangedCopy) {
  Open();
  host_.files["C:\\work\\prog.zep"] = "P{}";
  OnEditorCommand(kCmdOpen, 0);
  ASSERT_EQ(Title(), "ZEP - [prog.zep]");
  ASSERT_TRUE(OnEditorCommand(kB, 0));
  EXPECT_EQ(Text().text, "// Bee：two\r\nB{}\r\n");
  EXPECT_EQ(Title(), "ZEP - [NONAME.ZEP]");
  EXPECT_STREQ(editor.document.saved_path, "");
  EXPECT_STREQ(editor.document.file_path, "NONAME.ZEP");
  EXPECT_STREQ(file_name, "");
  EXPECT_EQ(editor.document.clean, 1);
  EXPECT_TRUE(host_.boxes.empty());
}

// Closing an untouched copy asks nothing: the example is still on the menu.
TEST_F(SampleTest, AnUntouchedCopyClosesWithoutAQuestion) {
  Open();
  OnEditorCommand(kA, 0);
  OnEditorClose();
  EXPECT_TRUE(host_.boxes.empty());
  EXPECT_TRUE(Called("DestroyEditor"));
}

// Save asks for a name even before anything is typed, and the copy is
// written there; nothing is written anywhere else.
TEST_F(SampleTest, TheFirstSaveAsksForAName) {
  Open();
  host_.files["C:\\work\\prog.zep"] = "P{}";
  OnEditorCommand(kCmdOpen, 0);
  OnEditorCommand(kA, 0);
  host_.calls.clear();
  editor_system_.dialog_path = "C:\\work\\mine.zep";
  editor_system_.dialog_name = "mine.zep";
  OnEditorCommand(kCmdSave, 0);
  EXPECT_TRUE(Called("ChooseScriptFile save 名前を付けて保存 プログラム(*.zep)|*.zep|全ファイル(*.*)|*.*| start NONAME.ZEP"));
  EXPECT_EQ(host_.files["C:\\work\\mine.zep"], "// A&Co：one\r\nA{}\r\n");
  EXPECT_EQ(host_.files["C:\\work\\prog.zep"], "P{}");
  EXPECT_EQ(Title(), "ZEP - [mine.zep]");
  host_.calls.clear();
  OnEditorCommand(kCmdSave, 0);  // now named and saved: nothing to write
  for (const std::string& c : host_.calls) EXPECT_EQ(c.rfind("ReplaceWholeFile", 0), std::string::npos);
}

// A changed text is offered for saving first, with Open's question.
TEST_F(SampleTest, AChangedTextIsAskedAboutAsBeforeOpen) {
  Open();
  Type("mine");
  host_.box_answers = {kCancel};
  OnEditorCommand(kA, 0);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].title, "ファイルを開く");
  EXPECT_EQ(host_.boxes[0].text, "編集中のデータは変更されています\n他のファイルを開く前に保存しますか？");
  EXPECT_EQ(Text().text, "mine");
  EXPECT_EQ(editor.document.clean, 0);
  host_.box_answers = {kNo};
  OnEditorCommand(kA, 0);
  EXPECT_EQ(Text().text, "// A&Co：one\r\nA{}\r\n");
  EXPECT_EQ(editor.document.clean, 1);
}

TEST_F(SampleTest, AnExampleTheEditorCannotHoldIsRefused) {
  editor_system_.samples = {{"big.zep", std::string(65535, 'a')},
                            {"nul.zep", std::string("A{}\0B{}", 7)}};
  Open();
  Type("kept");
  for (int id : {kSampleCommandBase, kSampleCommandBase + 1}) {
    host_.boxes.clear();
    host_.box_answers = {kNo};
    OnEditorCommand(id, 0);
    ASSERT_EQ(host_.boxes.size(), 2u);
    EXPECT_EQ(host_.boxes[1].text, "ファイルを開けません");
    EXPECT_EQ(Text().text, "kept");
  }
}

}  // namespace
}  // namespace zep
