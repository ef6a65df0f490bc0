// Script files as users save them: which encoding a file's bytes are read
// in, the conversion from UTF-8, and back to UTF-8 for written texts.
#include "core/script_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/core/interpreter_fixture.h"

namespace zep {
namespace {

// The same script in Shift-JIS (this file's literals are compiled to it) and
// in UTF-8, with half-width katakana, kana, kanji and full-width forms.
const char kShiftJis[] =
    "CREATE{SetCaption(\"ｶﾀｶﾅとひらがな、漢字\");}\r\n// ﾒﾆｭｰの表示\r\nMAIN{x=１;}";
const char kUtf8[] =
    u8"CREATE{SetCaption(\"ｶﾀｶﾅとひらがな、漢字\");}\r\n// ﾒﾆｭｰの表示\r\nMAIN{x=１;}";

struct EncodingRow {
  std::string bytes;
  ScriptEncoding encoding;
};

class ScriptEncodingTest : public InterpreterTest {};

TEST_F(ScriptEncodingTest, EachFileIsReadInItsEncoding) {
  const EncodingRow kRows[] = {
      {kShiftJis, ScriptEncoding::kShiftJis},
      {kUtf8, ScriptEncoding::kUtf8},
      {std::string("\xEF\xBB\xBF") + kUtf8, ScriptEncoding::kUtf8},
      {"MAIN{x=1;}", ScriptEncoding::kShiftJis},
      // Half-width katakana whose Shift-JIS bytes are also a valid UTF-8
      // letter (0xC3 0xBD): no Japanese character in UTF-8, so Shift-JIS.
      {"A{Print(\"\xC3\xBD\");}", ScriptEncoding::kShiftJis},
      {"A{Print(\"\xB1\xB2\xB3\");}", ScriptEncoding::kShiftJis},
      {std::string("\xFF\xFE" "A\0{\0", 6), ScriptEncoding::kUtf16},
      {std::string("A\0{\0}\0", 6), ScriptEncoding::kUtf16},
      {std::string("AB\0CD", 5), ScriptEncoding::kUnknown},
      {"A{Print(\"caf\xE9 \");}", ScriptEncoding::kUnknown},  // Latin-1
      {"A{\x80}", ScriptEncoding::kUnknown},
  };
  for (const EncodingRow& row : kRows) {
    EXPECT_EQ(DetectScriptEncoding(row.bytes.data(), row.bytes.size()), row.encoding)
        << row.bytes.substr(0, 12);
  }
}

TEST_F(ScriptEncodingTest, UTF8IsConvertedToTheSameShiftJisBytes) {
  std::string out;
  int line = 0;
  for (std::string file : {std::string(kUtf8), std::string("\xEF\xBB\xBF") + kUtf8,
                           std::string(kShiftJis)}) {
    ASSERT_EQ(DecodeScriptText(file.data(), file.size(), &out, &line), ScriptText::kRead);
    EXPECT_EQ(out, kShiftJis);
  }
  // The forms other systems write for the wave dash and the minus sign.
  std::string dash = u8"A{Print(\"〜−あ\");}";
  ASSERT_EQ(DecodeScriptText(dash.data(), dash.size(), &out, &line), ScriptText::kRead);
  EXPECT_EQ(out, "A{Print(\"\x81\x60\x81\x7C\x82\xA0\");}");
}

TEST_F(ScriptEncodingTest, FilesThatAreNoScriptSayWhy) {
  std::string out;
  int line = 0;
  std::string emoji = u8"A{x=1;}\nB{Print(\"あ😀\");}";
  ASSERT_EQ(DecodeScriptText(emoji.data(), emoji.size(), &out, &line), ScriptText::kNoShiftJis);
  EXPECT_EQ(line, 2);
  EXPECT_NE(ScriptTextMessage(ScriptText::kNoShiftJis, 2).find("2 行目"), std::string::npos);
  std::string utf16("\xFF\xFE" "A\0", 4);
  EXPECT_EQ(DecodeScriptText(utf16.data(), utf16.size(), &out, &line), ScriptText::kUtf16);
  EXPECT_NE(ScriptTextMessage(ScriptText::kUtf16, 0).find("UTF-16"), std::string::npos);
}

// The way back, for texts written out as UTF-8: the same characters, the
// half-width katakana and full-width forms included; bytes that are no
// Shift-JIS stay as they are.
TEST_F(ScriptEncodingTest, ShiftJisTextIsWrittenAsUtf8) {
  EXPECT_EQ(ShiftJisToUtf8(kShiftJis), kUtf8);
  EXPECT_EQ(ShiftJisToUtf8("a.zep(2,3): エラー:"), u8"a.zep(2,3): エラー:");
  EXPECT_EQ(ShiftJisToUtf8(""), "");
  EXPECT_EQ(ShiftJisToUtf8("A\x81"), "A\x81");
}

}  // namespace
}  // namespace zep
