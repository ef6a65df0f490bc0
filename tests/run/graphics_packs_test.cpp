// The 3D pack commands in a run: their codes, what Draw3DPack asks of the
// canvas, the rule that a pack without triangles ignores turns and moves,
// and saving and loading through the data file.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graphics/packs.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

// The first triangle of the examples, colour (10,20,30), and its mirror;
// a small triangle with colours to be changed by the tests.
#define FIRST "Add3DPack(0,0,0,0,100,0,0,0,100,0,10,20,30);"
#define SMALL "Add3DPack(0,0,0,0,0,0,0,0,0,0,"
const char kFirst[] = FIRST;
const char kMirror[] = "Add3DPack(0,0,0,0,0,100,0,100,0,0,10,20,30);";
const char kFirstDrawn[] = "Polygon front (100,100)(200,100)(100,200) pen 0a141e brush 0a141e";

class PacksTest : public GraphicsTest {
 protected:
  // Runs body after a CREATE that makes pack 0 of size and adds `adds`.
  int RunWithPack(const std::string& body, const std::string& adds = kFirst, int size = 4) {
    return RunBody(body, "Create3DPack(0," + std::to_string(size) + ");" + adds);
  }
};

struct PackCodeRow {
  const char* create;
  const char* body;
  int code;
};

const PackCodeRow kCodeRows[] = {
    // Create3DPack: number, size, a second creation, the phase, the count.
    {"Create3DPack(0,1);Create3DPack(255,1024);", "", 0},
    {"Create3DPack(256,10);", "", 40},
    {"Create3DPack(-1,10);", "", 40},
    {"Create3DPack(0,1025);", "", 16},
    {"Create3DPack(0,0);", "", 16},
    {"Create3DPack(0,-3);", "", 16},
    {"Create3DPack(0,1);Create3DPack(0,1);", "", 41},
    {"Create3DPack(0,1);Create3DPack(0,2000);", "", 41},
    {"Create3DPack(0);", "", 8},
    {"Create3DPack(0,1,2);", "", 23},
    {"", "Create3DPack(1,1);", 6},
    // Every other command checks the pack: outside 0..255 or not created.
    {"Create3DPack(0,1);", "Draw3DPack(1);", 40},
    {"Create3DPack(0,1);", "Draw3DPack(-1);", 40},
    {"Create3DPack(0,1);", "Draw3DPack(256);", 40},
    {"", SMALL "1,1,1);", 40},
    {SMALL "1,1,1);", "", 40},
    {"Set3DLocalRotateX(0,1);", "", 40},
    {"Set3DLocalPosY(0,1);", "", 40},
    {"Set3DWorldPosZ(0,1);", "", 40},
    {"", "Clear3DPack(0);", 40},
    {"", "Reset3DRotate(0);", 40},
    {"", "Reset3DPos(0);", 40},
    {"", "Save3DPack(0);", 40},
    {"", "Load3DPack(0);", 40},
    // Add3DPack: full before colours; colours 0..255.
    {"Create3DPack(0,1);", SMALL "1,1,1);" SMALL "1,1,1);", 42},
    {"Create3DPack(0,1);" SMALL "1,1,1);", SMALL "256,1,1);", 42},
    {"Create3DPack(0,1);", SMALL "256,1,1);", 1},
    {"Create3DPack(0,1);", SMALL "0,-1,0);", 1},
    {"Create3DPack(0,1);", SMALL "0,0,300);", 1},
    {"Create3DPack(0,1);", SMALL "255,255);", 8},
    {"Create3DPack(0,1);", SMALL "255,0,0);" "Draw3DPack(0);", 0},
    // The file commands need an open file.
    {"Create3DPack(0,1);", "Save3DPack(0);", 5},
    {"Create3DPack(0,1);", "Load3DPack(0);", 5},
    {"", "Set3DCenter(1,2);", 8},
    {"Set3DCenter(1,2,-5);", "Set3DCenter(0,0,0);", 0},
    {"Create3DPack(0,1);", "Draw3DPack(0,1);", 23},
    {"Create3DPack(0,1);", "Set3DLocalRotateY(0);", 8},
};

void PrintTo(const PackCodeRow& r, std::ostream* os) {
  *os << RowName(r.create) << "__" << RowName(r.body);
}

class PackCodes : public PacksTest, public ::testing::WithParamInterface<PackCodeRow> {};

TEST_P(PackCodes, Give) {
  const PackCodeRow& row = GetParam();
  EXPECT_EQ(RunBody(row.body, row.create), row.code) << error_name;
}

INSTANTIATE_TEST_SUITE_P(Rows, PackCodes, ::testing::ValuesIn(kCodeRows));

TEST_F(PacksTest, AFailingCreateFreesThePacksMadeBefore) {
  EXPECT_EQ(Load("CREATE{Create3DPack(3,10);Create3DPack(300,1);}"), 40);
  EXPECT_EQ(pack_scene.packs[3].capacity, 0);
  EXPECT_EQ(pack_scene.packs[3].triangles, nullptr);
}

struct DrawRow {
  const char* create;  // after Create3DPack(0,4)
  const char* body;
  std::vector<std::string> calls;
};

const DrawRow kDrawRows[] = {
    {kFirst, "Draw3DPack(0);", {kFirstDrawn}},
    {kMirror, "Draw3DPack(0);", {}},
    // The centre moves the picture; the distance of the eye scales it.
    {"Set3DCenter(300,50,1000);" FIRST, "Draw3DPack(0);",
     {"Polygon front (300,50)(400,50)(300,150) pen 0a141e brush 0a141e"}},
    {kFirst, "Set3DWorldPosZ(0,1000);Draw3DPack(0);",
     {"Polygon front (100,100)(150,100)(100,150) pen 0a141e brush 0a141e"}},
    {kFirst, "Set3DWorldPosX(0,-20);Set3DWorldPosY(0,5);Draw3DPack(0);",
     {"Polygon front (80,105)(180,105)(80,205) pen 0a141e brush 0a141e"}},
    // A pack without triangles ignores turns and moves: those before the
    // first Add3DPack are lost.
    {"Set3DWorldPosZ(0,1000);Set3DLocalRotateY(0,180);Set3DLocalPosX(0,50);" FIRST,
     "Draw3DPack(0);", {kFirstDrawn}},
    {"", "Draw3DPack(0);", {}},
    // Turned half round about its own Y axis the triangle faces away;
    // Reset3DRotate brings it back.
    {kFirst, "Set3DLocalRotateY(0,180);Draw3DPack(0);", {}},
    {kFirst, "Set3DLocalRotateY(0,180);Reset3DRotate(0);Draw3DPack(0);", {kFirstDrawn}},
    {kFirst, "Set3DWorldPosZ(0,1000);Reset3DPos(0);Draw3DPack(0);", {kFirstDrawn}},
    // Turned about its own Z by 90: x becomes y.
    {kFirst, "Set3DLocalRotateZ(0,90);Draw3DPack(0);",
     {"Polygon front (100,100)(100,200)(0,100) pen 0a141e brush 0a141e"}},
    // Its own X axis after a quarter turn about Y points at the viewer.
    {kFirst, "Set3DLocalRotateY(0,90);Set3DLocalPosX(0,500);Reset3DRotate(0);Draw3DPack(0);",
     {"Polygon front (100,100)(300,100)(100,300) pen 0a141e brush 0a141e"}},
    // Clear3DPack empties the pack and puts it at rest; it can be refilled.
    {kFirst, "Set3DWorldPosZ(0,1000);Clear3DPack(0);Draw3DPack(0);", {}},
    {kFirst, "Set3DWorldPosZ(0,1000);Clear3DPack(0);" FIRST "Draw3DPack(0);",
     {kFirstDrawn}},
    // The back screen when it is selected; the deeper face first.
    {FIRST "Add3DPack(0,0,0,1000,100,0,1000,0,100,1000,1,2,3);",
     "SelectScreen(0);Draw3DPack(0);",
     {"Polygon back (100,100)(150,100)(100,150) pen 010203 brush 010203",
      "Polygon back (100,100)(200,100)(100,200) pen 0a141e brush 0a141e"}},
};

void PrintTo(const DrawRow& r, std::ostream* os) { *os << RowName(r.body); }

class PackDrawing : public PacksTest, public ::testing::WithParamInterface<DrawRow> {};

TEST_P(PackDrawing, AsksTheCanvasFor) {
  const DrawRow& row = GetParam();
  ASSERT_EQ(RunBody(row.body, std::string("SubScreen(300,300);Create3DPack(0,4);") + row.create),
            0)
      << error_name;
  EXPECT_EQ(canvas_.calls, row.calls);
}

INSTANTIATE_TEST_SUITE_P(Rows, PackDrawing, ::testing::ValuesIn(kDrawRows));

TEST_F(PacksTest, TurnsAndMovesTakeEffectOnceThePackHoldsATriangle) {
  ASSERT_EQ(RunBody("Set3DLocalRotateY(0,90);Set3DWorldPosX(0,5);x=1;" + std::string(kFirst) +
                        "Set3DLocalRotateX(0,30);Set3DWorldPosX(0,5);",
                    "Create3DPack(0,2);"),
            0);
  EXPECT_NEAR(pack_scene.packs[0].angle_x, 30, 1e-9);
  EXPECT_NEAR(pack_scene.packs[0].angle_y, 360, 1e-9);
  EXPECT_NEAR(pack_scene.packs[0].angle_z, 360, 1e-9);
  EXPECT_EQ(pack_scene.packs[0].pos_x, 5);
}

// --- Saving and loading ----------------------------------------------------------

TEST_F(PacksTest, SaveWritesTwentyFourBytesATriangleAtTheFilePosition) {
  ASSERT_EQ(RunWithPack("OpenFileWrite(\"p.dat\");WriteFile(0,171);Save3DPack(0);Save3DPack(0);"
                        "CloseFile;",
                        "Add3DPack(0,-1,0,1,32767,-32768,65541,0,0,0,200,0,255);"),
            0);
  const std::string record("\xFF\xFF\x00\x00\x00\x01\x7F\xFF\x80\x00\x00\x05"
                           "\x00\x00\x00\x00\x00\x00\x00\xC8\x00\x00\x00\xFF", 24);
  // WriteFile leaves the position after its byte; each save writes after the last.
  EXPECT_EQ(host_.files["p.dat"], "\xAB" + record + record);
}

TEST_F(PacksTest, AnEmptyPackSavesNothing) {
  ASSERT_EQ(RunWithPack("OpenFileWrite(\"p.dat\");Save3DPack(0);CloseFile;", ""), 0);
  EXPECT_EQ(host_.files["p.dat"], "");
}

// The 50-byte file: values 1..25, big-endian.
std::string FiftyBytes() {
  std::string file;
  for (int v = 1; v <= 25; ++v) file += std::string("\0", 1) + static_cast<char>(v);
  return file;
}

TEST_F(PacksTest, FiftyBytesLoadTwoTrianglesIntoAPackOfThree) {
  host_.files["m.dat"] = FiftyBytes();
  ASSERT_EQ(RunWithPack("Set3DWorldPosX(0,7);OpenFileRead(\"m.dat\");Load3DPack(0);"
                        "CloseFile;",
                        kFirst, 3),
            0);
  EXPECT_EQ(pack_scene.packs[0].count, 2);
  EXPECT_EQ(pack_scene.packs[0].triangles[0], 1);
  EXPECT_EQ(pack_scene.packs[0].triangles[24], 25);
  EXPECT_EQ(pack_scene.packs[0].pos_x, 7);  // position and angles stay
}

TEST_F(PacksTest, AFileLongerThanThePackHoldsIsRefusedAndChangesNothing) {
  host_.files["m.dat"] = FiftyBytes();
  EXPECT_EQ(RunWithPack("OpenFileRead(\"m.dat\");Load3DPack(0);", kFirst, 2), 42);
  EXPECT_EQ(pack_scene.packs[0].count, 1);
  EXPECT_EQ(pack_scene.packs[0].triangles[3], 100);
  // The length was taken and nothing was read.
  EXPECT_EQ(std::count(host_.calls.begin(), host_.calls.end(), "ReadAll 3"), 0);
}

TEST_F(PacksTest, AnEmptyFileEmptiesThePackAndAnUnreadableOneIsRefused) {
  host_.files["e.dat"] = "";
  ASSERT_EQ(RunWithPack("OpenFileRead(\"e.dat\");Load3DPack(0);CloseFile;"), 0);
  EXPECT_EQ(pack_scene.packs[0].count, 0);
  // A file opened for writing cannot be read: code 15, the pack unchanged.
  EXPECT_EQ(RunWithPack("OpenFileWrite(\"w.dat\");WriteFile(30,1);Load3DPack(0);"), 15);
  EXPECT_EQ(pack_scene.packs[0].count, 1);
}

TEST_F(PacksTest, APackSavedAndLoadedBackDrawsTheSamePicture) {
  const std::string pair = FIRST "Add3DPack(0,0,0,50,-80,0,50,0,-80,-40,255,128,7);";
  std::string body = "Set3DLocalRotateY(0,20);Set3DLocalRotateX(0,-15);Draw3DPack(0);"
                     "OpenFileWrite(\"s.dat\");Save3DPack(0);CloseFile;"
                     "Clear3DPack(0);OpenFileRead(\"s.dat\");Load3DPack(0);CloseFile;"
                     "Set3DLocalRotateY(0,20);Set3DLocalRotateX(0,-15);Draw3DPack(0);";
  ASSERT_EQ(RunWithPack(body, pair), 0);
  ASSERT_EQ(canvas_.calls.size(), 4u);
  EXPECT_EQ(canvas_.calls[0], canvas_.calls[2]);
  EXPECT_EQ(canvas_.calls[1], canvas_.calls[3]);
  EXPECT_EQ(pack_scene.packs[0].count, 2);
}

}  // namespace
}  // namespace zep
