// The geometry of the 3D packs: turning points, composing a turn about a
// pack's own axis into its three stored angles, moving it along its own
// axes, and making screen faces of its triangles (perspective, back-face
// culling, shading, depth order). Plain arithmetic with the rounding steps
// the pictures depend on; the pack table lives in packs.h, the commands in
// pack_commands.cpp.
//
// Coordinates: X to the right, Y downwards, Z away from the viewer. A pack's
// orientation turns a model point first about Y, then X, then Z.
#pragma once

#include <cstdint>

#include "graphics/canvas.h"
#include "graphics/palette.h"

namespace zep {

// Degrees to radians, with exactly this constant.
constexpr double kRadiansPerDegree = 0.01745329251994;

// Values per triangle: x1,y1,z1, x2,y2,z2, x3,y3,z3, r,g,b.
constexpr int kTriangleValues = 12;

// One pack: its triangles, its orientation in degrees and its position.
struct Pack3D {
  int32_t capacity = 0;  // triangles it can hold; 0 = not created
  int32_t count = 0;     // triangles stored
  int32_t* triangles = nullptr;  // capacity x kTriangleValues
  double angle_x = 0, angle_y = 0, angle_z = 0;
  double pos_x = 0, pos_y = 0, pos_z = 0;
};

// The projection every pack is drawn with.
struct Projection {
  int32_t center_x = 100, center_y = 100;  // where the origin at depth 0 lands
  double deep = 1000.0;                    // distance of the eye from Z = 0
};

// Integer results are 64-bit: a model point of 32-bit coordinates turned
// can reach about 3.7e9, which 32 bits cannot hold.
struct Point3 {
  int64_t x, y, z;
};

struct Vector3 {
  double x, y, z;
};

// The sines and cosines of three whole-degree angles, worked out once for
// many points.
struct Turn {
  double cos_x, sin_x, cos_y, sin_y, cos_z, sin_z;
};

// Each angle reduced into 0..359 (remainder with the dividend's sign, then
// 360 added to a negative one) and turned into radians.
Turn WholeDegreeTurn(int32_t ax, int32_t ay, int32_t az);
// The point turned about Y, then X, then Z; each coordinate truncated
// toward zero.
Point3 ApplyTurn(const Turn& turn, int32_t x, int32_t y, int32_t z);
Point3 TransformPoint(int32_t x, int32_t y, int32_t z, int32_t ax, int32_t ay, int32_t az);

// One turn of a double point by a double angle; a negative angle has 360
// added once.
Vector3 RotateX(const Vector3& p, double a);
Vector3 RotateY(const Vector3& p, double a);
Vector3 RotateZ(const Vector3& p, double a);

// The stored angles truncated toward zero to whole degrees, as drawing and
// the local moves use them.
Turn PackTurn(const Pack3D& pack);

// Composes the pack's orientation with a turn of r degrees about its own
// axis (0 X, 1 Y, 2 Z) and stores it again as three angles in 0..360.
void TurnPackLocal(Pack3D* pack, int axis, int32_t r);
// The three angles of the orientation that takes (40000,0,0) to a and
// (0,40000,0) to b. When b lies along the Z axis any Z angle fits; then
// the Z angle is 360 and the Y angle takes the whole turn.
Vector3 AnglesOfReferences(Vector3 a, Vector3 b);
// Moves the pack by `move` along its own axis (0 X, 1 Y, 2 Z).
void MovePackLocal(Pack3D* pack, int axis, int32_t move);

// Screen points are kept inside the coordinate range of the platform's
// drawing calls; a triangle with a point beyond it is not drawn.
constexpr double kScreenLimit = 134217727.0;  // 2^27 - 1

// One triangle as it is painted.
struct Face {
  PointXY points[3];
  Rgb colour;
  int64_t depth;  // the vertices' mean depth, truncated toward zero
  int32_t index;  // its place in the pack's table
};

// The faces of the pack's triangles that run clockwise on the screen, into
// faces (room for pack.count), deepest first; faces of equal depth in
// reverse table order. Gives how many. A triangle with a vertex where
// Z' + deep is 0, or whose screen point lies beyond kScreenLimit, is left
// out; any other vertex is projected as the formula says, with either sign
// of deep and on either side of the eye.
int BuildFaces(const Pack3D& pack, const Projection& view, Face* faces);

}  // namespace zep
