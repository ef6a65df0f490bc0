// No failed allocation ends the program: every allocation of a run, a
// compile and the editor's commands is made to fail in turn, and each
// time the failure becomes a code, a message or nothing at all.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "compiler/compile.h"
#include "core/program.h"
#include "core/run_settings.h"
#include "core/section_runs.h"
#include "tests/memory/failing_new.h"
#include "ide/editor.h"
#include "tests/ide/editor_fixture.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

class MemoryTest : public RunTest {
 protected:
  void TearDown() override {
    FailAllocation(0);
    RunTest::TearDown();
  }
};

// A script whose run allocates: variables, an array, the statement cache,
// compiled expressions, a 3D pack and its drawing, a wave buffer.
const char kScript[] =
    "CREATE{Data(\"t\",64,2);Create3DPack(0,4);WaveBuf(\"w\",1000);}"
    "MAIN{a=1;b=a*2+sin(a);loop(3){t(1,1)=t(1,0)+b;}"
    "Add3DPack(0,0,0,0,100,0,0,0,100,0,255,0,0);Draw3DPack(0);SetWaveBuf(\"w\",5,9);}";

TEST_F(MemoryTest, ARunThatCannotGetMemoryFailsWithCode20) {
  int failures = 0;
  for (size_t n = 1; n < 400; ++n) {
    SCOPED_TRACE(n);
    SetUp();
    FailAllocation(n);
    int code = 0;
    EXPECT_NO_THROW({
      code = Load(kScript);
      if (code == 0) {
        OnRunCreate(kWindow);
        RunSection(kWindow, "MAIN");
        code = error_code;
        OnRunDestroy(kWindow);
      }
    });
    bool failed = AllocationFailed();
    FailAllocation(0);
    if (!failed) break;  // every allocation of the run has failed once
    ++failures;
    EXPECT_TRUE(code == 0 || code == kErrMemory || code == kErrPackMemory) << code;
    // The recording canvas allocates its own records while a drawing
    // context is out; the platform's drawing calls never throw.
    canvas_.open_fronts = 0;
    TearDown();
  }
  EXPECT_GT(failures, 20);
}

TEST_F(MemoryTest, ACompileThatCannotGetMemorySaysSo) {
  // A small packed stub with its marker, beside the test's files.
  std::string exe = std::string("MZ\x90", 4) + std::string(300, 'x') +
                    "ZEP2.15-ZEP2.15-ZEP2.15-ZEP2.15-" + std::string(3100, '\0');
  Bytes packed = PackStub(Bytes(exe.begin(), exe.end()));
  host_.files["C:\\z\\ZepFiles\\Zep111"].assign(packed.begin(), packed.end());
  IconIndices icon{};
  const char text[] = "MAIN{a=1;}";
  const std::string stem = "C:\\z\\ZepFiles\\Zep111";
  int failures = 0;
  for (size_t n = 1; n < 200; ++n) {
    SCOPED_TRACE(n);
    FailAllocation(n);
    CompileResult result = CompileResult::kDone;
    EXPECT_NO_THROW(result = CompileScript(text, sizeof text - 1, stem, icon, "C:\\z\\out.exe"));
    bool failed = AllocationFailed();
    FailAllocation(0);
    if (!failed) {
      EXPECT_EQ(result, CompileResult::kDone);
      break;
    }
    ++failures;
    EXPECT_EQ(result, CompileResult::kNoMemory);
  }
  EXPECT_GT(failures, 3);
}

TEST_F(MemoryTest, AStubThatClaimsMoreThanMemoryHolds) {
  // Records of 65,535 bytes each, far past what a program can be.
  Bytes packed = {'Z', 'P', 'K', '1'};
  for (int i = 0; i < 70000; ++i) packed.insert(packed.end(), {'P', 'R', 'S', 0, 0xFF, 0xFF});
  host_.files["C:\\z\\ZepFiles\\Zep111"].assign(packed.begin(), packed.end());
  IconIndices icon{};
  EXPECT_EQ(CompileScript("A{}", 3, "C:\\z\\ZepFiles\\Zep111", icon, "C:\\z\\out.exe"),
            CompileResult::kNoMemory);
  EXPECT_STREQ(CompileMessage(CompileResult::kNoMemory), "必要なメモリーを確保できません");
}

// An exception no command expects is reported as the program's own fault,
// naming the section; the run ends as after an error, with no second box.
TEST_F(MemoryTest, AnUnexpectedExceptionInASectionEndsTheRunWithOneBox) {
  ASSERT_EQ(Load("MAIN{a=1;}TIMER{b=1;}"), 0);
  OnRunCreate(kWindow);
  section_starting = [](const char* name) {
    if (std::string(name) == "MAIN") throw std::out_of_range("vector");
  };
  RunSection(kWindow, "MAIN");
  section_starting = nullptr;
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "内部エラーが起きました（vector）。\r\nサブルーチン : MAIN");
  EXPECT_EQ(run_state.running, 0);
  RunSection(kWindow, "TIMER");
  EXPECT_TRUE(std::isnan(Var("b")));
  EXPECT_EQ(host_.boxes.size(), 1u);
}

class EditorMemoryTest : public EditorTest {
 protected:
  void TearDown() override {
    FailAllocation(0);
    canvas_.open_fronts = 0;  // as above: the recording canvas allocates
    EditorTest::TearDown();
  }
};

// Open and Run with each of their allocations failing in turn: the editor
// says so, or goes on, and the text typed is never lost.
TEST_F(EditorMemoryTest, TheEditorKeepsItsTextWhenMemoryRunsOut) {
  const std::string kTyped = "CREATE{SetCaption(\"a\");}INIT{a=1;b=a*2+sin(a);loop(2){b=b+1;}}";
  const int kCommands[] = {kCmdOpen, kCmdRun};
  for (int command : kCommands) {
    int failures = 0;
    for (size_t n = 1; n < 400; ++n) {
      SCOPED_TRACE(std::to_string(command) + " " + std::to_string(n));
      SetUp();
      host_.boxes.clear();
      Open();
      Type(kTyped);
      host_.files["C:\\work\\prog.zep"] = "A{x=1;}\r\n";
      editor_system_.dialog_path = "C:\\work\\prog.zep";
      editor_system_.dialog_name = "prog.zep";
      host_.box_answer = 7;  // No: keep the text, do not save it first
      FailAllocation(n);
      EXPECT_NO_THROW(OnEditorCommand(command, 0));
      bool failed = AllocationFailed();
      FailAllocation(0);
      if (!failed) break;
      ++failures;
      bool opened = Text().text == "A{x=1;}\r\n";
      EXPECT_TRUE(opened || Text().text == kTyped) << Text().text;
      TearDown();
    }
    EXPECT_GT(failures, 3) << command;
  }
}

TEST(FaultMessage, NamesWhatFailedTheSectionAndTheSavedText) {
  char out[512];
  BuildFaultMessage("C0000005", "TIMER", "C:\\u\\ZEP\\recovery\\a.zep", out, sizeof out);
  EXPECT_STREQ(out,
               "内部エラーが起きました（C0000005）。\r\nサブルーチン : TIMER\r\n\r\n"
               "編集中のプログラムを次のファイルに保存しました。\r\nC:\\u\\ZEP\\recovery\\a.zep");
  BuildFaultMessage("C00000FD", "", "", out, sizeof out);
  EXPECT_STREQ(out, "内部エラーが起きました（C00000FD）。");
}

}  // namespace
}  // namespace zep
