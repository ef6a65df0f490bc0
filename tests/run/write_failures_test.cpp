// Writes into the data file that fail, as on a full disk: every command that
// writes through the open file reports code 15 at the first write that is not
// complete, and the named file keeps the bytes it had before it was opened,
// since what was written replaces it only when it is closed after writes that
// all succeeded.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/data_file.h"
#include "core/errors.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

constexpr size_t kFull = 0;
constexpr size_t kRoomy = 1u << 20;

// An edit field with "ab", a wave buffer of 100 samples (a 144-byte image)
// and a 3D pack of one triangle (24 bytes).
const char kPrepared[] =
    "CreateControl(101,\"\",\"ID_e\",0,0,9,9);WaveBuf(\"b\",100);"
    "Create3DPack(0,4);Add3DPack(0,0,0,0,1,0,0,0,1,0,0,0,255);";

const char kOld[] = "old bytes";

struct WriteRow {
  const char* body;
  size_t room;  // bytes free on the disk as the body starts
  int code;
  const char* after;  // data.dat afterwards (kOld: as it was)
  long byte_writes;   // WriteByte calls made, -1: not counted
};

const WriteRow kRows[] = {
    // WriteFile stops the section at the first byte that does not fit.
    {"OpenFileWrite(\"data.dat\");WriteFile(0,65);", kFull, kErrOpenFile, kOld, 1},
    {"OpenFileWrite(\"data.dat\");WriteFile(0,65);WriteFile(1,66);WriteFile(2,67);", 2,
     kErrOpenFile, kOld, 3},
    {"OpenFileWrite(\"data.dat\");i=0;loop(40000){WriteFile(i,65);i=i+1;}", 4096, kErrOpenFile,
     kOld, 4097},
    // A position beyond the end needs room for the gap as well.
    {"OpenFileWrite(\"data.dat\");WriteFile(10,65);", 10, kErrOpenFile, kOld, 1},
    {"OpenFileWrite(\"data.dat\");WriteFile(1,65);WriteFile(0,66);CloseFile;", 2, 0, "BA", 2},
    // Writing over a byte already written needs no more room.
    {"OpenFileWrite(\"data.dat\");WriteFile(0,65);WriteFile(0,66);CloseFile;", 1, 0, "B", 2},
    // A file opened for reading cannot be written.
    {"OpenFileRead(\"data.dat\");WriteFile(0,65);", kRoomy, kErrOpenFile, kOld, 1},
    // The block writers: all or code 15.
    {"OpenFileWrite(\"data.dat\");SaveWaveBuf(\"b\");", 143, kErrOpenFile, kOld, 0},
    {"OpenFileWrite(\"data.dat\");WriteFile(0,1);SaveWaveBuf(\"b\");", 144, kErrOpenFile, kOld, 1},
    {"OpenFileWrite(\"data.dat\");SetEditText(\"ID_e\",\"ab\");WriteFileFromEdit(\"ID_e\");", 1,
     kErrOpenFile, kOld, 0},
    {"OpenFileWrite(\"data.dat\");SetEditText(\"ID_e\",\"ab\");WriteFileFromEdit(\"ID_e\");"
     "CloseFile;",
     2, 0, "ab", 0},
    {"OpenFileWrite(\"data.dat\");Save3DPack(0);", 23, kErrOpenFile, kOld, 0},
    {"OpenFileWrite(\"data.dat\");Save3DPack(0);Save3DPack(0);", 47, kErrOpenFile, kOld, 0},
    // Nothing to write needs no room.
    {"OpenFileWrite(\"data.dat\");SetEditText(\"ID_e\",\"\");WriteFileFromEdit(\"ID_e\");"
     "CloseFile;",
     kFull, 0, "", 0},
    // An error of another kind keeps what was written, as closing would.
    {"OpenFileWrite(\"data.dat\");WriteFile(0,90);x=1/0;", kRoomy, kErrDivZero, "Z", 1},
    // Until it is closed, the named file keeps its bytes for everyone.
    {"OpenFileWrite(\"data.dat\");WriteFile(0,90);x=GetFileLength(\"data.dat\");"
     "if(x!=9){call(\"NONE\");}CloseFile;x=GetFileLength(\"data.dat\");if(x!=1){call(\"NONE\");}",
     kRoomy, 0, "Z", 1},
};

void PrintTo(const WriteRow& r, std::ostream* os) { *os << RowName(r.body); }

class WriteFailures : public RunTest, public ::testing::WithParamInterface<WriteRow> {
 protected:
  long ByteWrites() const {
    return std::count_if(host_.calls.begin(), host_.calls.end(),
                         [](const std::string& c) { return c.rfind("WriteByte ", 0) == 0; });
  }
};

TEST_P(WriteFailures, ReportTheFailureAndKeepTheOldFile) {
  const WriteRow& row = GetParam();
  host_.files["data.dat"] = kOld;
  ASSERT_EQ(Load((std::string("CREATE{") + kPrepared + "}MAIN{" + row.body + "}").c_str()), 0);
  OnRunCreate(kWindow);
  host_.disk_room = row.room;
  RunSection(kWindow, "MAIN");
  EXPECT_EQ(error_code, row.code) << error_name;
  OnRunDestroy(kWindow);
  EXPECT_EQ(open_file, -1);
  EXPECT_EQ(host_.files["data.dat"], row.after);
  if (row.byte_writes >= 0) EXPECT_EQ(ByteWrites(), row.byte_writes);
  if (row.code == kErrOpenFile) {
    EXPECT_EQ(host_.boxes.size(), 1u);
    EXPECT_NE(LastBox().find("ファイルを開けません"), std::string::npos) << LastBox();
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, WriteFailures, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<WriteRow>& info) {
                           return std::to_string(info.index) + "_" + RowName(info.param.body);
                         });

// What a failed write leaves: the written file is thrown away at the error.
TEST_F(WriteFailures, AFailedWriteThrowsTheWrittenFileAway) {
  host_.files["data.dat"] = kOld;
  host_.disk_room = 1;
  ASSERT_EQ(RunBody("OpenFileWrite(\"data.dat\");WriteFile(0,1);WriteFile(1,2);"), kErrOpenFile);
  std::vector<std::string> writes;
  for (const std::string& call : host_.calls) {
    if (call.rfind("WriteByte ", 0) == 0 || call.rfind("CloseFile ", 0) == 0) {
      writes.push_back(call);
    }
  }
  EXPECT_EQ(writes,
            (std::vector<std::string>{"WriteByte 3 0 1", "WriteByte 3 1 2", "CloseFile 3 drop"}));
  EXPECT_EQ(host_.disk_room, 1u) << "the room the written byte took is given back";
}

// A written file that cannot replace the named one (another program holds
// it) fails CloseFile with code 15; the named file is unchanged.
TEST_F(WriteFailures, CloseFileReportsAFileThatCannotBeReplaced) {
  host_.files["data.dat"] = kOld;
  host_.held.insert("data.dat");
  EXPECT_EQ(RunBody("OpenFileWrite(\"data.dat\");WriteFile(0,1);CloseFile;"), kErrOpenFile);
  EXPECT_EQ(error_name, std::string("CloseFile"));
  EXPECT_EQ(open_file, -1);
  EXPECT_EQ(host_.files["data.dat"], kOld);
}

// The window's end keeps what a script wrote and never closed.
TEST_F(WriteFailures, TheWindowsEndKeepsAnUnclosedFile) {
  host_.files["data.dat"] = kOld;
  ASSERT_EQ(RunBody("OpenFileWrite(\"data.dat\");WriteFile(0,90);"), 0);
  EXPECT_EQ(host_.files["data.dat"], kOld);
  OnRunDestroy(kWindow);
  EXPECT_EQ(host_.files["data.dat"], "Z");
}

}  // namespace
}  // namespace zep
