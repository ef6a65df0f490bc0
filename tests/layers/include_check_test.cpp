// The layering read from the includes: the source tree keeps it, and the
// check finds each include that breaks it in a tree planted with them.
#include "tests/layers/include_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zep {
namespace {

namespace fs = std::filesystem;

TEST(IncludeCheck, TheSourceTreeIncludesNothingFromAbove) {
  IncludeScan scan = CheckIncludes(ZEP_SOURCE_DIR);
  for (const IncludeFault& fault : scan.faults) ADD_FAILURE() << Describe(fault);
  // Every layer folder was read, so a wrong root cannot pass.
  EXPECT_EQ(scan.folders_read.size(), LayerFolders().size());
  EXPECT_GT(scan.files, 200);
  EXPECT_GT(scan.includes, 500);
}

// A tree of its own under the temporary folder, removed at the end.
class PlantedTree : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("zep_include_check_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  void Plant(const std::string& path, const std::vector<std::string>& lines) {
    fs::create_directories((root_ / path).parent_path());
    std::ofstream out(root_ / path, std::ios::binary);
    for (const std::string& line : lines) out << line << "\n";
  }

  // "file:line header" of each fault, in the order found.
  std::vector<std::string> Faults() {
    std::vector<std::string> found;
    for (const IncludeFault& fault : CheckIncludes(root_.string()).faults) {
      found.push_back(fault.file + ":" + std::to_string(fault.line) + " " + fault.header);
    }
    return found;
  }

  fs::path root_;
};

TEST_F(PlantedTree, AnIncludeFromAboveIsNamedWithItsFileAndLine) {
  Plant("core/eval.h", {"#pragma once", "", "#include \"core/common.h\"", "#include \"graphics/canvas.h\""});
  Plant("graphics/figures.cpp", {"#include \"runtime/events.h\""});
  EXPECT_EQ(Faults(), (std::vector<std::string>{"core/eval.h:4 graphics/canvas.h",
                                                "graphics/figures.cpp:1 runtime/events.h"}));
}

TEST_F(PlantedTree, ALayerMayIncludeItsOwnAndThoseBelow) {
  Plant("runtime/start.cpp", {"#include \"runtime/start.h\"", "#include <windows.h>", "#include \"core/loader.h\"",
                              "#include \"graphics/screens.h\"", "#include \"controls/registry.h\"",
                              "#include \"media/sounds.h\"", "#include \"resources/resource_ids.h\""});
  Plant("app/zep_main.cpp", {"#include \"platform/win_host.h\"", "#include \"ide/editor.h\"",
                             "#include \"assist/catalog.h\"", "#include \"compiler/compile.h\""});
  Plant("platform/win_editor.cpp", {"#include \"compiler/compile_dialog.h\""});
  EXPECT_TRUE(Faults().empty());
}

TEST_F(PlantedTree, TheAssistsStandOnTheCoreAlone) {
  Plant("assist/reference.cpp", {"#include \"core/commands.h\"", "#include \"runtime/subsystems.h\""});
  Plant("runtime/events.cpp", {"#include \"assist/catalog.h\""});
  Plant("ide/editor.cpp", {"#include \"assist/catalog.h\""});
  EXPECT_EQ(Faults(), (std::vector<std::string>{"runtime/events.cpp:1 assist/catalog.h",
                                                "assist/reference.cpp:2 runtime/subsystems.h"}));
}

TEST_F(PlantedTree, TheCompilerStandsOnTheCoreAloneAndOnlyPlatformAndAppUseIt) {
  Plant("compiler/compile.cpp", {"#include \"core/text.h\"", "#include \"media/files.h\""});
  Plant("ide/editor_run.cpp", {"#include \"compiler/compile.h\""});
  EXPECT_EQ(Faults(), (std::vector<std::string>{"ide/editor_run.cpp:1 compiler/compile.h",
                                                "compiler/compile.cpp:2 media/files.h"}));
}

TEST_F(PlantedTree, SpacesAroundTheHashAreRead) {
  Plant("media/files.h", {"  #  include  \"ide/editor.h\""});
  EXPECT_EQ(Faults(), (std::vector<std::string>{"media/files.h:1 ide/editor.h"}));
}

TEST_F(PlantedTree, FoldersOutsideTheLayersAreNotRead) {
  Plant("tests/run/a_test.cpp", {"#include \"app/run_start.h\""});
  Plant("tools/refgen/refgen.cpp", {"#include \"runtime/subsystems.h\""});
  IncludeScan scan = CheckIncludes(root_.string());
  EXPECT_TRUE(scan.faults.empty());
  EXPECT_EQ(scan.files, 0);
}

TEST_F(PlantedTree, TheReportNamesFileLineAndHeader) {
  Plant("controls/layout.cpp", {"", "#include \"media/sounds.h\""});
  IncludeScan scan = CheckIncludes(root_.string());
  ASSERT_EQ(scan.faults.size(), 1u);
  EXPECT_EQ(Describe(scan.faults[0]), "controls/layout.cpp:2: includes media/sounds.h, which controls may not use");
}

}  // namespace
}  // namespace zep
