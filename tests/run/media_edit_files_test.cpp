// The file commands that work through edit fields.
#include <gtest/gtest.h>

#include <string>

#include "core/args.h"
#include "core/control_table.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

struct EditFileRow {
  const char* body;
  int code;
  const char* edit;     // the one-line field's text afterwards, nullptr: not checked
  const char* written;  // out.txt afterwards, nullptr: not checked
};

class EditFiles : public RunTest, public ::testing::WithParamInterface<EditFileRow> {};

TEST_P(EditFiles, Run) {
  const EditFileRow& row = GetParam();
  std::string script =
      std::string("CREATE{CreateControl(101,\"\",\"ID_e\",0,0,9,9);"
                  "CreateControl(100,\"\",\"ID_m\",0,0,9,9);CreateControl(0,\"\",\"ID_b\",0,0,9,9);}"
                  "MAIN{") + row.body + "}";
  ASSERT_EQ(Load(script.c_str()), 0) << error_name;
  host_.files["in.txt"] = "hello\r\nworld";
  CopyText(file_name, sizeof file_name, "C:\\作業\\表計算\\data.txt");
  OnRunCreate(kWindow);
  RunSection(kWindow, "MAIN");
  EXPECT_EQ(error_code, row.code) << error_name;
  WindowRef edit = reinterpret_cast<WindowRef>(0x1000 + 600);
  if (row.edit != nullptr) {
    EXPECT_EQ(control_system_.children[edit].text, row.edit);
  }
  if (row.written != nullptr) {
    EXPECT_EQ(host_.files["out.txt"], row.written);
  }
}

const EditFileRow kRows[] = {
    {"OpenFileRead(\"in.txt\");ReadFileToEdit(\"ID_e\");v=ReadFile(0);", 0, "hello\r\nworld",
     nullptr},
    {"ReadFileToEdit(\"ID_none\");", kErrNoFile, nullptr, nullptr},
    {"OpenFileRead(\"in.txt\");ReadFileToEdit(\"ID_b\");", kErrControlType, nullptr, nullptr},
    {"OpenFileRead(\"in.txt\");ReadFileToEdit(\"ID_none\");", kErrNoControl, nullptr, nullptr},
    {"OpenFileWrite(\"out.txt\");SetEditText(\"ID_e\",\"ab\");WriteFileFromEdit(\"ID_e\");"
     "WriteFileFromEdit(\"ID_e\");WriteFile(4,67);CloseFile;", 0, nullptr, "ababC"},
    {"WriteFileFromEdit(\"ID_e\");", kErrNoFile, nullptr, nullptr},
    {"GetFileName(\"ID_e\",\"D:\\dir\\file.txt\");", 0, "file.txt", nullptr},
    {"GetFilePath(\"ID_e\",\"D:\\dir\\file.txt\");", 0, "D:\\dir\\", nullptr},
    {"GetFileName(\"ID_e\",\"plain.txt\");GetFilePath(\"ID_e\",\"plain.txt\");", 0,
     "plain.txtplain.txt", nullptr},
    // 表 and 能 end in the byte 0x5C: only real separators split the path.
    {"GetFileName(\"ID_e\",\"FILE_NAME\");", 0, "data.txt", nullptr},
    {"GetFilePath(\"ID_e\",\"FILE_NAME\");", 0, "C:\\作業\\表計算\\", nullptr},
    {"GetFileName(\"ID_e\",\"能力.txt\");", 0, "能力.txt", nullptr},
    {"GetFileName(\"ID_m\",\"a\\b\");", kErrControlType, nullptr, nullptr},
    {"GetFileName(\"FILE_NAME\",\"a\\b\");", kErrNoControl, nullptr, nullptr},
    {"GetFilePath(\"ID_e\");", kErrFewArgs, nullptr, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Rows, EditFiles, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<EditFileRow>& info) {
                           return std::to_string(info.index) + "_" + RowName(info.param.body);
                         });

}  // namespace
}  // namespace zep
