// Checking files in a batch (zep.exe --check): the option and its file
// names, a problem as a line, the exit status, and whole runs over files
// on the fake file system, whose lines come out in UTF-8. Literals are
// Shift-JIS, except the u8 ones.
#include "checker/check_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data_file.h"
#include "core/host.h"
#include "runtime/subsystems.h"
#include "tests/doubles/fake_host.h"

namespace zep {
namespace {

struct OptionRow {
  const char* command_line;
  bool taken;
  std::vector<std::string> files;
};

TEST(CheckOptionTest, TakesTheFilesAfterTheOption) {
  const OptionRow kRows[] = {
      {"--check  a.zep\t b.zep ", true, {"a.zep", "b.zep"}},
      {"--check \"my class\\1 組.zep\" c.zep", true, {"my class\\1 組.zep", "c.zep"}},
      {"--check", true, {}},
      {"--checked.zep", false, {}},
      {"a.zep --check b.zep", false, {}},
  };
  for (const OptionRow& row : kRows) {
    std::vector<std::string> files;
    EXPECT_EQ(TakeCheckOption(row.command_line, &files), row.taken) << row.command_line;
    EXPECT_EQ(files, row.files) << row.command_line;
  }
}

struct LineRow {
  std::string file;
  Problem problem;
  std::string line;
};

TEST(ProblemLineTest, OneLinePerProblem) {
  const LineRow kRows[] = {
      {"a.zep", {2, 3, 4, Severity::kError, "「Prin」という命令はありません。", "「Print」では？"},
       "a.zep(2,3): エラー: 「Prin」という命令はありません。 「Print」では？\n"},
      {"C:\\組\\b.zep", {12, 40, 1, Severity::kWarning, "「TIMMER」は動きません。", ""},
       "C:\\組\\b.zep(12,40): 注意: 「TIMMER」は動きません。\n"},
      {"c.zep", {1, 1, 1, Severity::kError, "一行目。\r\n二行目。", "ヒント\nその二"},
       "c.zep(1,1): エラー: 一行目。 二行目。 ヒント その二\n"},
  };
  for (const LineRow& row : kRows) EXPECT_EQ(ProblemLine(row.file, row.problem), row.line);
  EXPECT_EQ(UnreadableLine("x.zep", "開けません。\r\nもう一度。"),
            "x.zep: エラー: 開けません。 もう一度。\n");
  EXPECT_EQ(CheckStatus(256), 255) << "a shell must never read many errors as none";
}

// The files live on the fake file system; the host converts.
class CheckFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_system = &host_;
    file_system = &host_;
    InstallSubsystems();
  }
  void TearDown() override {
    host_system = nullptr;
    file_system = nullptr;
  }

  // The output split into its lines, without their LF.
  static std::vector<std::string> Lines(const std::string& output) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1) {
      lines.push_back(output.substr(start, end - start));
    }
    EXPECT_EQ(start, output.size()) << "the last line has no LF";
    return lines;
  }

  static bool Has(const std::string& line, const std::string& words) {
    return line.find(words) != std::string::npos;
  }

  FakeHost host_;
};

const char kTwoMistakes[] =
    "INIT {\r\n  Prin(1, 1, 0, 0, 16, 0, \"a\") ;\r\n}\r\n"
    "PAINT {\r\n  Box(10, 10, 50, 50, 1) ;\r\n}\r\n";
const char kClean[] = "PAINT {\r\n  Box(10, 10, 50, 50, 1, 2) ;\r\n}\r\n";

TEST_F(CheckFilesTest, EachProblemOfEachFileInOrderAsUtf8) {
  host_.files["two.zep"] = kTwoMistakes;
  host_.files["clean.zep"] = kClean;
  host_.files["点数.zep"] = u8"INIT {\n  点 = 0 ; Prin(1, 1, 0, 0, 16, 0, \"あ\") ;\n}\n";
  host_.files["w.zep"] = "TIMMER {\r\n  x = 1 ;\r\n}\r\n";
  CheckReport report = CheckFiles({"two.zep", "clean.zep", "点数.zep", "w.zep"}, 32768);
  std::vector<std::string> lines = Lines(report.output);
  ASSERT_EQ(lines.size(), 4u) << report.output;
  EXPECT_TRUE(Has(lines[0], u8"two.zep(2,3): エラー: 「Prin」")) << lines[0];
  EXPECT_TRUE(Has(lines[0], u8"「Print」")) << lines[0];
  EXPECT_TRUE(Has(lines[1], u8"two.zep(5,3): エラー: ")) << lines[1];
  EXPECT_TRUE(Has(lines[1], u8"「Box(XL,YT,XR,YB,OC,IC)」")) << lines[1];
  // The name, given in Shift-JIS as Windows gives it, and the column in
  // characters of a UTF-8 file.
  EXPECT_TRUE(Has(lines[2], u8"点数.zep(2,11): エラー: 「Prin」")) << lines[2];
  EXPECT_TRUE(Has(lines[3], u8"w.zep(1,1): 注意: 「TIMMER」")) << lines[3];
  EXPECT_EQ(report.errors, 3) << "warnings are no errors";
}

// One error line each, with the reason; the files after them are still
// checked.
TEST_F(CheckFilesTest, AFileThatCannotBeReadIsOneError) {
  host_.files["big.zep"] = "INIT {\r\n" + std::string(200, ' ') + "}\r\n";
  host_.files["utf16.zep"] = std::string("\xFF\xFE" "A\0{\0}\0", 8);
  host_.files["locked.zep"] = kClean;
  host_.locked.insert("locked.zep");
  host_.files["two.zep"] = kTwoMistakes;
  CheckReport report =
      CheckFiles({"missing.zep", "big.zep", "utf16.zep", "locked.zep", "two.zep"}, 100);
  std::vector<std::string> lines = Lines(report.output);
  ASSERT_EQ(lines.size(), 6u) << report.output;
  EXPECT_EQ(lines[0], u8"missing.zep: エラー: ファイルが見つからないか、開けません。");
  EXPECT_EQ(lines[1], u8"big.zep: エラー: ファイルが大きすぎます（100 バイトまで）。");
  EXPECT_TRUE(Has(lines[2], u8"utf16.zep: エラー: このファイルは UTF-16 で保存されています。 "))
      << lines[2];
  EXPECT_EQ(lines[3], u8"locked.zep: エラー: ファイルが見つからないか、開けません。");
  EXPECT_TRUE(Has(lines[4], u8"two.zep(2,3): ")) << lines[4];
  EXPECT_TRUE(Has(lines[5], u8"two.zep(5,3): ")) << lines[5];
  EXPECT_EQ(report.errors, 6);
}

// The limit holds for the text in Shift-JIS: a UTF-8 file may be longer
// in bytes.
TEST_F(CheckFilesTest, TheLimitIsForTheShiftJisText) {
  std::string kana;
  for (int i = 0; i < 30; ++i) kana += u8"あ";
  // 105 bytes in UTF-8, 75 in Shift-JIS.
  host_.files["kana.zep"] = u8"INIT {\n  // " + kana + u8"\n}\n";
  EXPECT_EQ(CheckFiles({"kana.zep"}, 90).output, "");
  EXPECT_TRUE(Has(CheckFiles({"kana.zep"}, 70).output, u8"大きすぎます")) << "over 70 as Shift-JIS";
}

}  // namespace
}  // namespace zep
