// The data-file commands against the recording file system: opening,
// bytes at positions, closing, the dialogs and their filter lists, file
// lengths, and what "FILE_NAME" holds afterwards.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/args.h"
#include "core/data_file.h"
#include "core/run_settings.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

using Calls = std::vector<std::string>;
using Values = std::vector<std::pair<const char*, double>>;

class FilesTest : public RunTest {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    host_.files["a.dat"] = "\xFF" "AB";
    host_.files["empty.dat"] = "";
    host_.files["start.zep"] = "S";
    host_.files["C:\\chosen.dat"] = "C";
    CopyText(file_name, sizeof file_name, "start.zep");
  }
  void TearDown() override {
    file_name[0] = '\0';
    RunTest::TearDown();
  }

  // The file system's calls, without those of the other doubles.
  Calls FileCalls() const {
    static const char* const kPrefixes[] = {"OpenFile ", "CloseFile ", "ReadByte ",
                                            "WriteByte ", "FileLength ", "ChooseFile "};
    Calls out;
    for (const std::string& call : host_.calls) {
      for (const char* prefix : kPrefixes) {
        if (call.rfind(prefix, 0) == 0) out.push_back(call);
      }
    }
    return out;
  }
};

// --- Opening, bytes, closing and lengths -----------------------------------

struct FileRow {
  const char* body;
  int code;
  Calls calls;
  Values values;  // variables the body set
};

const FileRow kFileRows[] = {
    {"OpenFileRead(\"a.dat\");x=ReadFile(0);y=ReadFile(2);z=ReadFile(3);", 0,
     {"OpenFile read a.dat", "ReadByte 3 0", "ReadByte 3 2", "ReadByte 3 3"},
     {{"x", 255}, {"y", 66}, {"z", -1}}},
    {"OpenFileRead(\"empty.dat\");x=ReadFile(0);", 0,
     {"OpenFile read empty.dat", "ReadByte 3 0"}, {{"x", -1}}},
    {"OpenFileRead(\"a.dat\");x=ReadFile(1+1);", 0, {"OpenFile read a.dat", "ReadByte 3 2"},
     {{"x", 66}}},
    // A negative position reads nothing.
    {"OpenFileRead(\"a.dat\");x=ReadFile(-1);", 0, {"OpenFile read a.dat"}, {{"x", -1}}},
    {"OpenFileRead(\"a.dat\");x=ReadFile(0-2147483647);", 0, {"OpenFile read a.dat"}, {{"x", -1}}},
    // The open file is refused a second open; the error closes it.
    {"OpenFileRead(\"a.dat\");OpenFileRead(\"a.dat\");", 17,
     {"OpenFile read a.dat", "CloseFile 3"}, {}},
    {"OpenFileRead(\"a.dat\");OpenFileWrite(\"b.dat\");", 17,
     {"OpenFile read a.dat", "CloseFile 3"}, {}},
    {"OpenFileRead(\"none.dat\");", 15, {"OpenFile read none.dat"}, {}},
    {"OpenFileRead(\"a.dat\");CloseFile;OpenFileWrite(\"a.dat\");", 0,
     {"OpenFile read a.dat", "CloseFile 3", "OpenFile write a.dat"}, {}},
    {"OpenFileRead(\"FILE_NAME\");", 0, {"OpenFile read start.zep"}, {}},
    {"OpenFileRead();", 23, {}, {}},
    {"OpenFileRead(\"a\",\"b\");", 23, {}, {}},
    {"OpenFileRead(a);", 9, {}, {}},
    {"OpenFileWrite(\"b.dat\");WriteFile(3,321);WriteFile(2.9,65);WriteFile(-0.5,1);", 0,
     {"OpenFile write b.dat", "WriteByte 3 3 65", "WriteByte 3 2 65", "WriteByte 3 0 1"}, {}},
    {"OpenFileWrite(\"b.dat\");WriteFile(0,-1);WriteFile(1,256);", 0,
     {"OpenFile write b.dat", "WriteByte 3 0 255", "WriteByte 3 1 0"}, {}},
    // A negative position writes nothing.
    {"OpenFileWrite(\"b.dat\");WriteFile(-1,65);WriteFile(-3000000000,65);", 0,
     {"OpenFile write b.dat"}, {}},
    {"OpenFileWrite(\"b.dat\");WriteFile(1);", 8, {"OpenFile write b.dat", "CloseFile 3"}, {}},
    {"OpenFileWrite(\"b.dat\");WriteFile(1,q);", 4, {"OpenFile write b.dat", "CloseFile 3"}, {}},
    {"OpenFileWrite(\"b.dat\");WriteFile(q,1);", 4, {"OpenFile write b.dat", "CloseFile 3"}, {}},
    {"WriteFile(0,1);", 5, {}, {}},
    {"x=ReadFile(0);", 5, {}, {}},
    {"CloseFile;", 5, {}, {}},
    {"CloseFile(1);", 23, {}, {}},
    {"OpenFileRead(\"a.dat\");CloseFile(1);", 23, {"OpenFile read a.dat", "CloseFile 3"}, {}},
    {"x=GetFileLength(\"a.dat\");y=GetFileLength(\"none.dat\");z=GetFileLength(\"empty.dat\");", 0,
     {"FileLength a.dat", "FileLength none.dat", "FileLength empty.dat"},
     {{"x", 3}, {"y", -1}, {"z", 0}}},
    // Measuring works while a file is open and leaves it alone.
    {"OpenFileWrite(\"b.dat\");x=GetFileLength(\"a.dat\");WriteFile(0,1);", 0,
     {"OpenFile write b.dat", "FileLength a.dat", "WriteByte 3 0 1"}, {{"x", 3}}},
    {"x=GetFileLength(\"FILE_NAME\");", 0, {"FileLength start.zep"}, {{"x", 1}}},
    {"x=GetFileLength();", 23, {}, {}},
};

void PrintTo(const FileRow& r, std::ostream* os) { *os << RowName(r.body); }

class FileCommands : public FilesTest, public ::testing::WithParamInterface<FileRow> {};

TEST_P(FileCommands, CallsCodesAndValues) {
  const FileRow& row = GetParam();
  EXPECT_EQ(RunBody(row.body), row.code);
  EXPECT_EQ(FileCalls(), row.calls);
  for (const auto& [name, value] : row.values) EXPECT_EQ(Var(name), value) << name;
  EXPECT_EQ(run_state.answer, 0) << "only the dialogs set ANSWER";
}

INSTANTIATE_TEST_SUITE_P(Rows, FileCommands, ::testing::ValuesIn(kFileRows));

// --- Dialogs ----------------------------------------------------------------

const char kDataFilters[] =
    "全ファイル(*.*)|*.*|ビットマップ(*.BMP)|*.BMP|テキスト(*.TXT)|*.TXT|"
    "データファイル(*.DAT)|*.DAT||";

struct DialogRow {
  bool cancel;
  const char* body;
  int code;
  Calls calls;
  int answer;
  const char* file_name;  // "FILE_NAME" afterwards
};

const DialogRow kDialogRows[] = {
    {false, "x=OpenFileReadDlg(\"T\");y=ReadFile(0);", 0,
     {std::string("ChooseFile open T ") + kDataFilters, "OpenFile read C:\\chosen.dat",
      "ReadByte 3 0"},
     1, "C:\\chosen.dat"},
    {false, "OpenFileWriteDlg(\"FILE_NAME\");", 0,
     {std::string("ChooseFile save start.zep ") + kDataFilters, "OpenFile write C:\\chosen.dat"},
     1, "C:\\chosen.dat"},
    {true, "OpenFileReadDlg(\"T\");", 0, {std::string("ChooseFile open T ") + kDataFilters}, 0,
     "start.zep"},
    {false, "OpenFileRead(\"a.dat\");OpenFileReadDlg(\"T\");", 17,
     {"OpenFile read a.dat", "CloseFile 3"}, -1, "a.dat"},
    {false, "OpenFileReadDlg();", 23, {}, -1, "start.zep"},
    {false, "OpenFileReadDlg(T);", 9, {}, -1, "start.zep"},
    // Digits name ready entries, most significant first.
    {false, "FileNameDlgR(\"T\",\"\",35);", 0,
     {"ChooseFile open T ビットマップ ファイル(*.bmp)|*.bmp|JPEG ファイル(*.jpg;*.jpeg)|*.jpg;*jpeg||"},
     1, "C:\\chosen.dat"},
    {false, "FileNameDlgW(\"T\",\"ignored\",12);", 0,
     {"ChooseFile save T 全ファイル(*.*)|*.*|テキスト ファイル(*.txt)|*.txt||"}, 1,
     "C:\\chosen.dat"},
    {false, "FileNameDlgR(\"T\",\"\",46);", 0,
     {"ChooseFile open T アイコン ファイル(*.ico)|*.ico|GIF ファイル(*.gif)|*.gif||"}, 1,
     "C:\\chosen.dat"},
    {false, "FileNameDlgR(\"T\",\"\",10);", 16, {}, -1, "start.zep"},
    {false, "FileNameDlgR(\"T\",\"\",7);", 16, {}, -1, "start.zep"},
    {false, "FileNameDlgR(\"T\",\"\",19);", 16, {}, -1, "start.zep"},
    {false, "FileNameDlgR(\"T\",\"\",81);", 16, {}, -1, "start.zep"},
    // Zero or a negative type takes the list as written.
    {false, "FileNameDlgR(\"T\",\"A\\*.a\\B\\*.b\",0);", 0, {"ChooseFile open T A|*.a|B|*.b||"}, 1,
     "C:\\chosen.dat"},
    {false, "FileNameDlgR(\"T\",\"A\\*.a\\\",-3);", 0, {"ChooseFile open T A|*.a||"}, 1,
     "C:\\chosen.dat"},
    // The trail byte 0x5C of 表 and 能 is part of the character.
    {false, "FileNameDlgR(\"表\",\"表と能\\*.hyo\",0);", 0, {"ChooseFile open 表 表と能|*.hyo||"}, 1,
     "C:\\chosen.dat"},
    {true, "FileNameDlgW(\"T\",\"A\\*.a\",0);", 0, {"ChooseFile save T A|*.a||"}, 0, "start.zep"},
    // The list must be a literal even when the type replaces it.
    {false, "FileNameDlgR(\"T\",x,1);", 9, {}, -1, "start.zep"},
    {false, "FileNameDlgR(\"T\",\"\");", 8, {}, -1, "start.zep"},
    {false, "FileNameDlgR(\"T\",\"\",q);", 4, {}, -1, "start.zep"},
    {false, "OpenFileWrite(\"b.dat\");FileNameDlgR(\"T\",\"\",1);", 17,
     {"OpenFile write b.dat", "CloseFile 3"}, -1, "b.dat"},
    // The chosen name is there for the next commands.
    {false, "FileNameDlgR(\"T\",\"\",1);x=GetFileLength(\"FILE_NAME\");OpenFileRead(\"FILE_NAME\");",
     0,
     {"ChooseFile open T 全ファイル(*.*)|*.*||", "FileLength C:\\chosen.dat",
      "OpenFile read C:\\chosen.dat"},
     1, "C:\\chosen.dat"},
};

void PrintTo(const DialogRow& r, std::ostream* os) {
  *os << (r.cancel ? "cancel_" : "") << RowName(r.body);
}

class DialogCommands : public FilesTest, public ::testing::WithParamInterface<DialogRow> {};

TEST_P(DialogCommands, CallsCodesAnswerAndFileName) {
  const DialogRow& row = GetParam();
  host_.dialog_cancels = row.cancel;
  EXPECT_EQ(RunBody(row.body), row.code);
  EXPECT_EQ(FileCalls(), row.calls);
  EXPECT_EQ(run_state.answer, row.answer);
  EXPECT_STREQ(file_name, row.file_name);
}

INSTANTIATE_TEST_SUITE_P(Rows, DialogCommands, ::testing::ValuesIn(kDialogRows));

TEST_F(FilesTest, TheDialogValueIsAlsoAFunctionValue) {
  ASSERT_EQ(RunBody("x=FileNameDlgR(\"T\",\"\",1);"), 0);
  EXPECT_EQ(Var("x"), 1);
  host_.dialog_cancels = true;
  ASSERT_EQ(RunBody("x=OpenFileWriteDlg(\"T\");"), 0);
  EXPECT_EQ(Var("x"), 0);
}

TEST_F(FilesTest, AChosenFileThatCannotBeOpenedGivesMinusOneAndStaysTheFileName) {
  host_.locked.insert("C:\\chosen.dat");
  EXPECT_EQ(RunBody("OpenFileWriteDlg(\"T\");"), 15);
  EXPECT_EQ(run_state.answer, -1);
  EXPECT_EQ(open_file, -1);
  EXPECT_STREQ(file_name, "C:\\chosen.dat");
}

TEST_F(FilesTest, AFileOpenedWhileTheDialogWasShownIsNotReplaced) {
  host_.during_dialog = [] { open_file = 9; };
  EXPECT_EQ(RunBody("OpenFileReadDlg(\"T\");"), 17);
  EXPECT_EQ(run_state.answer, -1);
  EXPECT_EQ(FileCalls(), (Calls{std::string("ChooseFile open T ") + kDataFilters, "CloseFile 9"}));
}

// --- "FILE_NAME" and the open file --------------------------------------------

TEST_F(FilesTest, AMissingFileIsRefusedButBecomesTheFileName) {
  EXPECT_EQ(RunBody("OpenFileRead(\"none.dat\");"), 15);
  EXPECT_STREQ(file_name, "none.dat");
  EXPECT_EQ(open_file, -1);
  EXPECT_EQ(LastBox(),
            "サブルーチン : MAIN\r\n\r\n コマンド : OpenFileRead\r\n\r\nファイルを開けません");
}

TEST_F(FilesTest, ANameTooLongForFileNameIsRefusedAndNotKept) {
  struct Case {
    size_t length;
    int code;
    bool tried;  // the platform was asked to open it
  };
  const Case kCases[] = {{259, 15, true}, {260, 15, false}, {300, 15, false}, {480, 15, false}};
  for (const Case& c : kCases) {
    std::string name(c.length, 'n');
    host_.calls.clear();
    EXPECT_EQ(RunBody("OpenFileWrite(\"" + name + "\");CloseFile;"), c.tried ? 0 : c.code)
        << c.length;
    EXPECT_EQ(FileCalls().empty(), !c.tried) << c.length;
    EXPECT_STREQ(file_name, c.tried ? name.c_str() : "start.zep") << c.length;
    CopyText(file_name, sizeof file_name, "start.zep");
  }
}

TEST_F(FilesTest, OpeningForWritingEmptiesTheFile) {
  ASSERT_EQ(RunBody("OpenFileWrite(\"a.dat\");WriteFile(1,67);CloseFile;"), 0);
  EXPECT_EQ(host_.files["a.dat"], std::string("\0C", 2));
}

TEST_F(FilesTest, AnOpenFileIsClosedAtTheWindowsEndAndNotBefore) {
  ASSERT_EQ(RunBody("OpenFileRead(\"a.dat\");"), 0);
  EXPECT_EQ(open_file, 3);
  FreeRunParts(kWindow);
  EXPECT_EQ(open_file, -1);
  EXPECT_EQ(FileCalls(), (Calls{"OpenFile read a.dat", "CloseFile 3"}));
}

TEST_F(FilesTest, FileCommandStatementsBelongToTheRunPhase) {
  const char* const kCreates[] = {"OpenFileRead(\"a.dat\");", "OpenFileWriteDlg(\"T\");",
                                  "CloseFile;", "WriteFile(0,0);", "GetFileLength(\"a.dat\");",
                                  "FileNameDlgR(\"T\",\"\",1);"};
  for (const char* create : kCreates) {
    EXPECT_EQ(RunBody("", create), 6) << create;
  }
  EXPECT_TRUE(FileCalls().empty());
}

}  // namespace
}  // namespace zep
