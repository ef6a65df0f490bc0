// The text of the error box and how the section at fault is found.
#include <gtest/gtest.h>

#include <string>

#include "core/errors.h"
#include "tests/core/interpreter_fixture.h"

namespace zep {
namespace {

TEST(ErrorsTest, MessageLayout) {
  struct Row {
    int code;
    const char* name;
    const char* text;
  };
  const Row rows[] = {
      {4, "q", "サブルーチン : PAINT\r\n\r\n 変数 : q\r\n\r\n変数の値が未定です"},
      {16, "Data", "サブルーチン : PAINT\r\n\r\n コマンド : Data\r\n\r\nパラメータの値が無効です"},
      {6, "Foo", "サブルーチン : PAINT\r\n\r\n Foo\r\n\r\nこのコマンドは存在しません"},
      {10, "x=2*-3", "サブルーチン : PAINT\r\n\r\n x=2*-3\r\n\r\n演算式に問題があります"},
      {12, "a", "サブルーチン : PAINT\r\n\r\n 配列変数 : a\r\n\r\n配列変数が準備されていません"},
      {19, "x", "サブルーチン : PAINT\r\n\r\n ネストが深すぎます"},
      {20, "x", "サブルーチン : PAINT\r\n\r\n メモリーの確保に失敗しました"},
      {21, "x", "サブルーチン : PAINT\r\n\r\n コマンド : SetTimer\r\n\r\nタイマーの設定ができません"},
      {25, "x", "サブルーチン : PAINT\r\n\r\n コマンド : CreateControl\r\n\r\nコントロールの作成に失敗しました"},
      {99, "x", "サブルーチン : PAINT"},
  };
  for (const Row& row : rows) {
    char out[512];
    BuildErrorMessage(row.code, "PAINT", row.name, out, sizeof out);
    EXPECT_STREQ(out, row.text) << row.code;
  }
}

TEST(ErrorsTest, MessageNeverPasses511Bytes) {
  std::string section(400, 'S');
  std::string name(300, 'n');
  char out[600];
  size_t n = BuildErrorMessage(4, section.c_str(), name.c_str(), out, sizeof out);
  EXPECT_LE(n, 511u);
  EXPECT_EQ(std::string(out).size(), n);
}

TEST(ErrorsTest, ErrorNameIsCutAtWholeCharacters) {
  std::string name(61, 'a');
  name += "日本";  // a double-byte character would straddle byte 63
  SetErrorName(name.c_str());
  EXPECT_EQ(std::string(error_name), std::string(61, 'a') + "\x93\xfa");
}

TEST(ErrorsTest, SectionNameAtSkipsTrailBytes) {
  // マ is 0x83 0x7D and ボ 0x83 0x7B: their second bytes are no braces.
  const std::string text = "A{マ=1;}マウス{ボ=1;x=q;}";
  char out[64];
  SectionNameAt(text.c_str(), static_cast<int>(text.find("x=q")), out, sizeof out);
  EXPECT_STREQ(out, "マウス");
}

TEST(ErrorsTest, SectionNameAt) {
  const char* text = "CREATE{x=1;}PAINT{loop(2){if(a<b){q=\"}{\";}}}SUB{y=2;}";
  struct Row {
    int pos;
    const char* name;
  };
  const Row rows[] = {
      {-1, "CREATE"}, {8, "CREATE"}, {19, "PAINT"}, {35, "PAINT"}, {40, "PAINT"},
      {50, "SUB"}, {0, ""},
  };
  for (const Row& row : rows) {
    char out[64];
    SectionNameAt(text, row.pos, out, sizeof out);
    EXPECT_STREQ(out, row.name) << row.pos;
  }
}

}  // namespace
}  // namespace zep
