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

class ExampleRun : public RunTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ExampleRun, RunsWithoutAnErrorOrABox) {
  std::ifstream in(std::string(ZEP_SOURCE_DIR "/examples/") + GetParam(), std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  ASSERT_FALSE(bytes.str().empty());
  RunAsMet(bytes.str());
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRun, ::testing::ValuesIn(ExampleNames()),
                         [](const auto& info) { return RowName(info.param.c_str()); });

}  // namespace
}  // namespace zep
