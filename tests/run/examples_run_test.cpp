// Every shipped example runs on the recording doubles as a pupil first meets
// it: its load, its window's opening and INIT, a paint, timer ticks, a move
// and a click of the mouse, a key and a typed character, and its close, with
// no error and no message box. (The end-to-end tests run them under Wine.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/exec.h"
#include "runtime/events.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

std::vector<std::string> ExampleNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(ZEP_SOURCE_DIR "/examples")) {
    if (entry.path().extension() == ".zep") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class ExampleRun : public RunTest, public ::testing::WithParamInterface<std::string> {
 protected:
  // Checks after each step, so that a failure names the step.
  void Step(const char* what) {
    EXPECT_EQ(error_code, 0) << what;
    EXPECT_TRUE(host_.boxes.empty()) << what << ": " << (host_.boxes.empty() ? "" : host_.boxes[0].text);
  }
};

TEST_P(ExampleRun, RunsWithoutAnErrorOrABox) {
  std::ifstream in(std::string(ZEP_SOURCE_DIR "/examples/") + GetParam(), std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  ASSERT_FALSE(bytes.str().empty());
  ASSERT_EQ(Load(bytes.str().c_str()), 0);
  OnRunCreate(kWindow);
  Step("INIT");
  OnRunEvent(kWindow, "PAINT");
  Step("PAINT");
  for (int i = 0; i < 60; ++i) OnRunTimer(kWindow);
  Step("TIMER");
  OnRunMouseMove(kWindow, 100, 100);
  OnRunEvent(kWindow, "LBUTTONDOWN");
  OnRunEvent(kWindow, "LBUTTONUP");
  Step("a click");
  OnRunKey(kWindow, true, 39);
  OnRunChar(kWindow, 'A');
  OnRunKey(kWindow, false, 39);
  Step("a key");
  for (int i = 0; i < 30; ++i) OnRunTimer(kWindow);
  Step("TIMER after the click and the key");
  // Without a CLOSE section the window closes as it is (the run meets the
  // quiet code of a missing section); a CLOSE section must end the run.
  bool closes = OnRunClose(kWindow);
  if (error_code == kErrNoSection) {
    error_code = 0;
  } else {
    EXPECT_TRUE(closes) << "CLOSE does not end the run";
  }
  Step("CLOSE");
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRun, ::testing::ValuesIn(ExampleNames()),
                         [](const auto& info) { return RowName(info.param.c_str()); });

}  // namespace
}  // namespace zep
