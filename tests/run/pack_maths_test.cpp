// The geometry of the 3D packs on its own: turned points, the local turns
// and the angles they store, projection, culling, shading, depth order and
// what happens at the edges (behind the eye, huge coordinates, the
// orientation where the Z angle is undefined); and the pack file format.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/pack_file.h"
#include "graphics/pack_maths.h"

namespace zep {
namespace {

// A pack at rest holding the given triangles (12 values each).
struct TestPack {
  std::vector<int32_t> values;
  Pack3D pack;
  explicit TestPack(std::vector<int32_t> v) : values(std::move(v)) {
    pack.capacity = pack.count = static_cast<int32_t>(values.size() / kTriangleValues);
    pack.triangles = values.data();
  }
};

std::string Show(const Face& f) {
  char text[128];
  std::snprintf(text, sizeof text, "(%d,%d)(%d,%d)(%d,%d) %d,%d,%d depth %lld #%d",
                f.points[0].x, f.points[0].y, f.points[1].x, f.points[1].y, f.points[2].x,
                f.points[2].y, f.colour.r, f.colour.g, f.colour.b,
                static_cast<long long>(f.depth), f.index);
  return text;
}

// The faces of a pack drawn with a projection, each shown as a text.
std::vector<std::string> Draw(const Pack3D& pack, const Projection& view = Projection{}) {
  std::vector<Face> faces(pack.count + 1);
  int n = BuildFaces(pack, view, faces.data());
  std::vector<std::string> shown;
  for (int i = 0; i < n; ++i) shown.push_back(Show(faces[i]));
  return shown;
}

// --- Turned points -----------------------------------------------------------

struct TurnRow {
  int32_t x, y, z, ax, ay, az;
  int64_t tx, ty, tz;
};

const TurnRow kTurnRows[] = {
    {100, 0, 0, 0, 0, 0, 100, 0, 0},
    // About Y by 90: X goes to -Z (towards the viewer).
    {100, 0, 0, 0, 90, 0, 0, 0, -100},
    // About X by 90: Y goes to +Z; about Z by 90: X goes to +Y.
    {0, 100, 0, 90, 0, 0, 0, 0, 100},
    {100, 0, 0, 0, 0, 90, 0, 100, 0},
    // Y first, then X, then Z: (0,0,100) about Y 90 is (100,0,0); about Z 90, (0,100,0).
    {0, 0, 100, 90, 90, 90, 0, 100, 0},
    // Angles are reduced: -90 is 270, 450 is 90, 720 is 0.
    {100, 0, 0, 0, -90, 0, 0, 0, 100},
    {100, 0, 0, 0, 450, 0, 0, 0, -100},
    {100, 0, 0, 720, 720, 720, 100, 0, 0},
    {100, 0, 0, 0, INT32_MIN, 0, -61, 0, 78},  // INT32_MIN rem 360 = -128 -> 232
    // Truncation toward zero: 100 about Z by 45 is 70.71..., 70.71...
    {100, 0, 0, 0, 0, 45, 70, 70, 0},
    {-100, 0, 0, 0, 0, 45, -70, -70, 0},
    // A turned 32-bit point leaves the 32-bit range instead of wrapping.
    {INT32_MAX, INT32_MAX, 0, 0, 0, 45, 0, 3037000498, 0},
};

void PrintTo(const TurnRow& r, std::ostream* os) {
  *os << r.x << "_" << r.y << "_" << r.z << "_by_" << r.ax << "_" << r.ay << "_" << r.az;
}

class TurnedPoints : public ::testing::TestWithParam<TurnRow> {};

TEST_P(TurnedPoints, Match) {
  const TurnRow& r = GetParam();
  Point3 p = TransformPoint(r.x, r.y, r.z, r.ax, r.ay, r.az);
  EXPECT_EQ(p.x, r.tx);
  EXPECT_EQ(p.y, r.ty);
  EXPECT_EQ(p.z, r.tz);
}

INSTANTIATE_TEST_SUITE_P(Rows, TurnedPoints, ::testing::ValuesIn(kTurnRows));

TEST(PackRotate, NegativeAngleHas360AddedOnceOnly) {
  Vector3 p = RotateZ({100, 0, 0}, -90);
  EXPECT_NEAR(p.x, 0, 1e-9);
  EXPECT_NEAR(p.y, -100, 1e-9);
  // Only once: -450 becomes -90, which the sine and cosine take as it is.
  p = RotateZ({100, 0, 0}, -450);
  EXPECT_NEAR(p.y, -100, 1e-9);
}

// --- Local turns and moves -----------------------------------------------------

struct LocalTurnRow {
  int axis;
  int32_t r;
  double ax, ay, az;  // the stored angles
};

const LocalTurnRow kLocalTurnRows[] = {
    {1, 90, 0, 90, 360},   // about its own Y
    {0, 30, 30, 360, 360}, // about its own X
    {2, 45, 0, 360, 45},   // about its own Z
    {0, 90, 90, 360, 360},
    {1, -90, 0, 270, 360},
    {1, 0, 0, 360, 360},   // no turn: 0 comes back as 360
};

class LocalTurns : public ::testing::TestWithParam<LocalTurnRow> {};

TEST_P(LocalTurns, StoreTheseAnglesFromRest) {
  const LocalTurnRow& row = GetParam();
  Pack3D pack;
  TurnPackLocal(&pack, row.axis, row.r);
  EXPECT_NEAR(pack.angle_x, row.ax, 1e-9);
  EXPECT_NEAR(pack.angle_y, row.ay, 1e-9);
  EXPECT_NEAR(pack.angle_z, row.az, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rows, LocalTurns, ::testing::ValuesIn(kLocalTurnRows));

TEST(PackLocalMove, AfterTurningAboutYTheOwnXAxisPointsTowardsTheViewer) {
  Pack3D pack;
  TurnPackLocal(&pack, 1, 90);
  MovePackLocal(&pack, 0, 100);
  EXPECT_EQ(pack.pos_x, 0);
  EXPECT_EQ(pack.pos_y, 0);
  EXPECT_EQ(pack.pos_z, -100);
  MovePackLocal(&pack, 1, 7);  // its Y axis is still the world's
  EXPECT_EQ(pack.pos_y, 7);
}

TEST(PackLocalMove, AnAngleAHairBelowAWholeDegreeActsAsTheDegreeBelow) {
  Pack3D pack;
  TurnPackLocal(&pack, 0, 30);
  ASSERT_LT(pack.angle_x, 30);  // 29.999...: drawn and moved as 29
  MovePackLocal(&pack, 1, 1000);
  EXPECT_EQ(pack.pos_y, 874);  // 1000 cos 29 = 874.6; cos 30 would give 866
  EXPECT_EQ(pack.pos_z, 484);  // 1000 sin 29 = 484.8
}

// The orientation of three angles, applied to a vector: Y, then X, then Z.
Vector3 Oriented(const Vector3& v, const Vector3& angles) {
  return RotateZ(RotateX(RotateY(v, angles.y), angles.x), angles.z);
}

void ExpectNear(const Vector3& got, const Vector3& want, const char* what) {
  EXPECT_NEAR(got.x, want.x, 1e-6) << what;
  EXPECT_NEAR(got.y, want.y, 1e-6) << what;
  EXPECT_NEAR(got.z, want.z, 1e-6) << what;
}

TEST(PackAngles, TheStoredAnglesReproduceTheFrameEvenWhereTheZAngleIsUndefined) {
  const struct {
    Vector3 a, b;
  } frames[] = {
      {{40000, 0, 0}, {0, 40000, 0}},
      {{0, 0, -40000}, {0, 40000, 0}},
      {{0, -40000, 0}, {40000, 0, 0}},
      // The own Y axis along the world's Z axis: step 4 would divide 0 by 0.
      {{40000, 0, 0}, {0, 0, 40000}},
      {{0, 40000, 0}, {0, 0, 40000}},
      {{-28284.27124746190, 28284.27124746190, 0}, {0, 0, -40000}},
  };
  for (const auto& f : frames) {
    Vector3 angles = AnglesOfReferences(f.a, f.b);
    for (double v : {angles.x, angles.y, angles.z}) {
      EXPECT_TRUE(v >= 0 && v <= 360) << v;
    }
    ExpectNear(Oriented({40000, 0, 0}, angles), f.a, "A");
    ExpectNear(Oriented({0, 40000, 0}, angles), f.b, "B");
  }
  Vector3 gimbal = AnglesOfReferences({40000, 0, 0}, {0, 0, 40000});
  EXPECT_EQ(gimbal.z, 360);
  EXPECT_NEAR(gimbal.x, 90, 1e-9);
}

// A 3x3 matrix product, for the composed orientation the turns must match.
struct Matrix {
  double m[3][3];
  Vector3 Apply(const Vector3& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
  }
};

Matrix Times(const Matrix& p, const Matrix& q) {
  Matrix r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k) r.m[i][j] += p.m[i][k] * q.m[k][j];
  return r;
}

// The matrix of one turn about an axis by degrees, built from its columns.
Matrix AxisTurn(int axis, double degrees) {
  Vector3 (*turn)(const Vector3&, double) = axis == 0 ? RotateX : axis == 1 ? RotateY : RotateZ;
  Vector3 c[3] = {turn({1, 0, 0}, degrees), turn({0, 1, 0}, degrees), turn({0, 0, 1}, degrees)};
  return {{{c[0].x, c[1].x, c[2].x}, {c[0].y, c[1].y, c[2].y}, {c[0].z, c[1].z, c[2].z}}};
}

TEST(PackAngles, ASeriesOfLocalTurnsComposesAboutTheOwnAxes) {
  const struct {
    int axis;
    int32_t r;
  } turns[] = {{0, 90}, {1, 45}, {2, 30}, {0, -120}, {1, 200}, {2, -75}, {0, 90}, {1, 90},
               {2, 360}, {0, 13}, {1, -271}, {2, 89}};
  Pack3D pack;
  Matrix expected = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
  for (const auto& t : turns) {
    TurnPackLocal(&pack, t.axis, t.r);
    expected = Times(expected, AxisTurn(t.axis, t.r));  // own axis: turn on the right
    Vector3 angles{pack.angle_x, pack.angle_y, pack.angle_z};
    for (Vector3 v : {Vector3{1, 0, 0}, Vector3{0, 1, 0}, Vector3{0, 0, 1}}) {
      ExpectNear(Oriented({v.x * 40000, v.y * 40000, v.z * 40000}, angles),
                 Vector3{expected.Apply(v).x * 40000, expected.Apply(v).y * 40000,
                         expected.Apply(v).z * 40000},
                 "axis image");
    }
  }
}

// --- Faces ---------------------------------------------------------------------

TEST(PackFaces, TheFirstTriangleInFullColourAndItsMirrorCulled) {
  TestPack first({0, 0, 0, 100, 0, 0, 0, 100, 0, 10, 20, 30});
  EXPECT_EQ(Draw(first.pack),
            std::vector<std::string>{"(100,100)(200,100)(100,200) 10,20,30 depth 0 #0"});
  TestPack swapped({0, 0, 0, 0, 100, 0, 100, 0, 0, 10, 20, 30});
  EXPECT_TRUE(Draw(swapped.pack).empty());
}

TEST(PackFaces, ShadeFollowsTheNormalsAngleWithTheViewingDirection) {
  // Screen edges (100,0,0) and (0,577,1000): the normal is 60.01 degrees off
  // the Z axis, k = 0.8333; 255 k = 212.48, 120 k = 99.99 (truncated).
  TestPack tilted({0, 0, 0, 100, 0, 0, 0, 1155, 1000, 255, 200, 120});
  EXPECT_EQ(Draw(tilted.pack),
            std::vector<std::string>{"(100,100)(200,100)(100,677) 212,166,99 depth 333 #0"});
  // Seen edge-on (nz = 0): culled.
  TestPack edge({0, 0, 0, 100, 0, 0, 0, 0, 100, 255, 255, 255});
  EXPECT_TRUE(Draw(edge.pack).empty());
}

TEST(PackFaces, MovingTheDepthOfTheEyeAwayHalvesThePicture) {
  TestPack first({0, 0, 0, 100, 0, 0, 0, 100, 0, 1, 2, 3});
  first.pack.pos_z = 1000;
  EXPECT_EQ(Draw(first.pack),
            std::vector<std::string>{"(100,100)(150,100)(100,150) 1,2,3 depth 1000 #0"});
  // The centre and the position move the picture; positions are truncated.
  first.pack.pos_z = 0;
  first.pack.pos_x = 10.9;
  first.pack.pos_y = -5.9;
  EXPECT_EQ(Draw(first.pack, {300, 50, 1000}),
            std::vector<std::string>{"(310,45)(410,45)(310,145) 1,2,3 depth 0 #0"});
}

TEST(PackFaces, DeeperFacesComeFirstAndEqualDepthsInReverseTableOrder) {
  TestPack three({0, 0, 0,   10, 0, 0,   0, 10, 0,   1, 0, 0,     // depth 0
                  0, 0, 90,  10, 0, 90,  0, 10, 90,  2, 0, 0,     // depth 90
                  0, 0, -3,  10, 0, 3,   0, 10, 0,   3, 0, 0,     // depth 0 (mean)
                  0, 0, 0,   0, 10, 0,   10, 0, 0,   4, 0, 0,     // culled
                  0, 0, -50, 10, 0, -50, 0, 10, -50, 5, 0, 0});   // depth -50
  std::vector<std::string> faces = Draw(three.pack);
  ASSERT_EQ(faces.size(), 4u);
  EXPECT_NE(faces[0].find("#1"), std::string::npos) << faces[0];
  EXPECT_NE(faces[1].find("#2"), std::string::npos) << faces[1];  // later of the two at 0
  EXPECT_NE(faces[2].find("#0"), std::string::npos) << faces[2];
  EXPECT_NE(faces[3].find("#4"), std::string::npos) << faces[3];
}

TEST(PackFaces, DepthKeyTruncatesTowardZero) {
  TestPack near({0, 0, -1, 100, 0, -1, 0, 100, 0, 9, 9, 9});  // (-2) / 3 = 0, not -1
  std::vector<std::string> faces = Draw(near.pack);
  ASSERT_EQ(faces.size(), 1u);
  EXPECT_NE(faces[0].find("depth 0 "), std::string::npos) << faces[0];
}

// Only a vertex with Z' + deep = 0 has no screen point; a vertex behind the
// eye is projected as the formula says, turned half round about the centre.
TEST(PackFaces, OnlyAVertexAtTheEyeLeavesItsTriangleOut) {
  TestPack pack({0, 0, 0,     100, 0, 0,     0, 100, 0,     1, 1, 1,
                 0, 0, -1000, 100, 0, -1000, 0, 100, 0,     2, 2, 2,    // one vertex at the eye
                 0, 0, -2000, 100, 0, -2000, 0, 100, -2000, 3, 3, 3,    // all behind it: s = -1
                 0, 0, -999,  100, 0, -999,  0, 100, -999,  4, 4, 4});  // just in front: s = 1000
  EXPECT_EQ(Draw(pack.pack), (std::vector<std::string>{
                                 "(100,100)(200,100)(100,200) 1,1,1 depth 0 #0",
                                 "(100,100)(100100,100)(100,100100) 4,4,4 depth -999 #3",
                                 "(100,100)(0,100)(100,0) 3,3,3 depth -2000 #2"}));
  // An eye at distance 0: every s is 0 (all points on the centre, edge-on)
  // or has no value; nothing is drawn and nothing fails.
  EXPECT_TRUE(Draw(pack.pack, {100, 100, 0}).empty());
}

// With deep = -1000 the eye stands 1000 behind the plane Z = 0, looking the
// other way: s = -1000 / (Z' - 1000).
//   Z' = 0:     s = 1      Z' = 500:  s = 2      Z' = -500: s = 2/3
//   Z' = 1000:  no point   Z' = 2000: s = -1     Z' = 999:  s = 1000
TEST(PackFaces, ANegativeDistanceDrawsWhatTheFormulaGives) {
  const Projection behind{100, 100, -1000};
  struct Row {
    int32_t z;
    std::vector<std::string> faces;
  };
  const Row rows[] = {
      {0, {"(100,100)(200,100)(100,200) 9,9,9 depth 0 #0"}},
      {500, {"(100,100)(300,100)(100,300) 9,9,9 depth 500 #0"}},
      {-500, {"(100,100)(166,100)(100,166) 9,9,9 depth -500 #0"}},
      {1000, {}},
      {2000, {"(100,100)(0,100)(100,0) 9,9,9 depth 2000 #0"}},
      {999, {"(100,100)(100100,100)(100,100100) 9,9,9 depth 999 #0"}},
  };
  for (const Row& r : rows) {
    TestPack pack({0, 0, r.z, 100, 0, r.z, 0, 100, r.z, 9, 9, 9});
    EXPECT_EQ(Draw(pack.pack, behind), r.faces) << "Z' = " << r.z;
  }
  // The mixed triangle of the test above: two vertices at Z' = -1000 (s = 1/2)
  // and one at 0 (s = 1); tilted, so shaded by k = (5000 / |n| + 2) / 3.
  TestPack tilted({0, 0, -1000, 100, 0, -1000, 0, 100, 0, 200, 100, 50});
  EXPECT_EQ(Draw(tilted.pack, behind),
            std::vector<std::string>{"(100,100)(150,100)(100,200) 139,69,34 depth -666 #0"});
}

TEST(PackFaces, HugeCoordinatesAreComputedWithoutWrappingOrAreLeftOut) {
  const int32_t M = INT32_MAX, m = INT32_MIN;
  TestPack huge({m, m, 0, M, m, 0, m, M, 0, 255, 255, 255});
  // On screen as they stand they lie far beyond the drawable range.
  EXPECT_TRUE(Draw(huge.pack).empty());
  // Turned by 45 degrees (beyond 32 bits) and moved far away they fit.
  huge.pack.angle_z = 45.00000000000001;
  huge.pack.pos_z = 3.0 * M;
  EXPECT_EQ(Draw(huge.pack),
            std::vector<std::string>{
                "(100,-371)(571,100)(-371,100) 255,255,255 depth 6442450941 #0"});
  // Colours loaded from a file are not checked: low 8 bits after shading.
  TestPack odd({0, 0, 0, 100, 0, 0, 0, 100, 0, 256 + 7, -1, 32767});
  EXPECT_EQ(Draw(odd.pack),
            std::vector<std::string>{"(100,100)(200,100)(100,200) 7,255,255 depth 0 #0"});
}

// --- The pack file -----------------------------------------------------------

TEST(PackFile, ValuesAreSixteenBitBigEndianAndComeBackSignExtended) {
  int32_t one[12] = {-1, 0, 1, 32767, -32768, 65536 + 5, 70000, -70000, 256, 200, 0, 255};
  uint8_t bytes[24];
  EncodePackFile(one, 1, bytes);
  const uint8_t want[24] = {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x01, 0x7F, 0xFF, 0x80, 0x00, 0x00, 0x05,
                            0x11, 0x70, 0xEE, 0x90, 0x01, 0x00, 0x00, 0xC8, 0x00, 0x00, 0x00, 0xFF};
  EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 24), std::vector<uint8_t>(want, want + 24));
  int32_t back[12] = {};
  EXPECT_EQ(DecodePackFile(bytes, 24, back, 1), 1);
  const int32_t loaded[12] = {-1, 0, 1, 32767, -32768, 5, 4464, -4464, 256, 200, 0, 255};
  EXPECT_EQ(std::vector<int32_t>(back, back + 12), std::vector<int32_t>(loaded, loaded + 12));
}

TEST(PackFile, FiftyBytesGiveTwoTrianglesAndOneMoreValueOrAreTooLong) {
  std::vector<uint8_t> file(50);
  for (size_t i = 0; i < 25; ++i) file[2 * i + 1] = static_cast<uint8_t>(i + 1);  // value i: i + 1
  std::vector<int32_t> three(3 * 12, -7);
  EXPECT_EQ(DecodePackFile(file.data(), file.size(), three.data(), 3), 2);
  EXPECT_EQ(three[0], 1);
  EXPECT_EQ(three[24], 25);  // the 25th value is stored but not counted
  EXPECT_EQ(three[25], -7);  // nothing after it
  std::vector<int32_t> two(2 * 12, -7);
  EXPECT_EQ(DecodePackFile(file.data(), file.size(), two.data(), 2), -1);  // 50 > 48
  EXPECT_EQ(two, std::vector<int32_t>(2 * 12, -7));
  // An odd last byte is no value.
  std::vector<int32_t> one(12, -7);
  EXPECT_EQ(DecodePackFile(file.data(), 3, one.data(), 1), 0);
  EXPECT_EQ(one[0], 1);
  EXPECT_EQ(one[1], -7);
}

}  // namespace
}  // namespace zep
