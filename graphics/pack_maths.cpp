#include "graphics/pack_maths.h"

#include <algorithm>
#include <cmath>

#include "core/common.h"

namespace zep {

namespace {

// The length of the reference vectors of the local turns.
constexpr double kReference = 40000.0;

int32_t ReduceDegrees(int32_t a) {
  a %= 360;
  return a < 0 ? a + 360 : a;
}

double Radians(double a) { return (a < 0 ? a + 360 : a) * kRadiansPerDegree; }

// A position truncated toward zero. Positions only grow by moves of 32-bit
// steps and never come near the clamp, which keeps every sum of the
// projection inside 64 bits whatever happens.
int64_t TruncPosition(double v) {
  constexpr double kLimit = 4503599627370496.0;  // 2^52
  if (std::isnan(v)) return 0;
  return static_cast<int64_t>(std::min(std::max(v, -kLimit), kLimit));
}

// acos(c / sqrt(c^2 + s^2)) in degrees: the angle of the direction (c, s)
// from the c axis, 0 to 180. A zero vector has no direction and gives 0.
double ConeDegrees(double c, double s) {
  double length = std::sqrt(c * c + s * s);
  if (!(length > 0)) return 0;
  double ratio = std::min(std::max(c / length, -1.0), 1.0);
  return std::acos(ratio) / kRadiansPerDegree;
}

// Turns a vector into the pack's orientation with the stored angles as
// they are, not truncated.
Vector3 Orient(const Vector3& v, const Pack3D& pack) {
  return RotateZ(RotateX(RotateY(v, pack.angle_y), pack.angle_x), pack.angle_z);
}

Vector3 RotateAbout(int axis, const Vector3& v, double a) {
  if (axis == 0) return RotateX(v, a);
  if (axis == 1) return RotateY(v, a);
  return RotateZ(v, a);
}

// A vertex on the screen, with its depth.
struct Placed {
  int64_t sx, sy, z;
};

// Perspective: s = deep / (Z' + deep), whatever the signs. A negative
// deep, or a vertex beyond the eye, gives a negative or large s and the
// picture the formula makes (turned half round about the centre where s is
// negative). False only where there is no screen point: Z' + deep is 0, or
// so near 0 that the point lands beyond kScreenLimit (NaN and infinity
// included, as for deep 0 and Z' 0).
bool Project(const Point3& p, const Point3& shift, const Projection& view, Placed* out) {
  int64_t z = p.z + shift.z;
  double eye = static_cast<double>(z) + view.deep;
  if (eye == 0) return false;
  double s = view.deep / eye;
  double sx = static_cast<double>(p.x + shift.x) * s + view.center_x;
  double sy = static_cast<double>(p.y + shift.y) * s + view.center_y;
  if (!(std::fabs(sx) <= kScreenLimit && std::fabs(sy) <= kScreenLimit)) return false;
  *out = {static_cast<int64_t>(sx), static_cast<int64_t>(sy), z};
  return true;
}

// One channel times the shade, truncated, low 8 bits.
uint8_t Shade(int32_t channel, double k) {
  return static_cast<uint8_t>(static_cast<uint64_t>(static_cast<int64_t>(channel * k)) & 0xFF);
}

// The face of three placed vertices with the colour values rgb; false when
// it does not run clockwise on the screen (faces away or is seen edge-on).
// The shade is (cos of the normal's angle with the Z axis + 2) / 3.
bool MakeFace(const Placed* v, const int32_t* rgb, Face* face) {
  double e1x = static_cast<double>(v[1].sx - v[0].sx), e2x = static_cast<double>(v[2].sx - v[0].sx);
  double e1y = static_cast<double>(v[1].sy - v[0].sy), e2y = static_cast<double>(v[2].sy - v[0].sy);
  double e1z = static_cast<double>(v[1].z - v[0].z), e2z = static_cast<double>(v[2].z - v[0].z);
  double nz = e1x * e2y - e1y * e2x;
  if (!(nz > 0)) return false;
  double nx = e1y * e2z - e1z * e2y;
  double ny = e1z * e2x - e1x * e2z;
  double k = (nz / std::sqrt(nx * nx + ny * ny + nz * nz) + 2) / 3;
  for (int i = 0; i < 3; ++i) {
    face->points[i] = {static_cast<int32_t>(v[i].sx), static_cast<int32_t>(v[i].sy)};
  }
  face->colour = {Shade(rgb[0], k), Shade(rgb[1], k), Shade(rgb[2], k)};
  face->depth = (v[0].z + v[1].z + v[2].z) / 3;
  return true;
}

// Deeper first; of equal depth, the later triangle first, so that the
// earlier one is painted over it.
bool DrawnBefore(const Face& a, const Face& b) {
  return a.depth != b.depth ? a.depth > b.depth : a.index > b.index;
}

}  // namespace

Turn WholeDegreeTurn(int32_t ax, int32_t ay, int32_t az) {
  double x = ReduceDegrees(ax) * kRadiansPerDegree;
  double y = ReduceDegrees(ay) * kRadiansPerDegree;
  double z = ReduceDegrees(az) * kRadiansPerDegree;
  return {std::cos(x), std::sin(x), std::cos(y), std::sin(y), std::cos(z), std::sin(z)};
}

Point3 ApplyTurn(const Turn& t, int32_t x, int32_t y, int32_t z) {
  double px = x, py = y, pz = z;
  double x1 = px * t.cos_y + pz * t.sin_y;
  double z1 = -px * t.sin_y + pz * t.cos_y;
  double y2 = py * t.cos_x - z1 * t.sin_x;
  double z2 = py * t.sin_x + z1 * t.cos_x;
  double x3 = x1 * t.cos_z - y2 * t.sin_z;
  double y3 = x1 * t.sin_z + y2 * t.cos_z;
  return {static_cast<int64_t>(x3), static_cast<int64_t>(y3), static_cast<int64_t>(z2)};
}

Point3 TransformPoint(int32_t x, int32_t y, int32_t z, int32_t ax, int32_t ay, int32_t az) {
  return ApplyTurn(WholeDegreeTurn(ax, ay, az), x, y, z);
}

Vector3 RotateX(const Vector3& p, double a) {
  double r = Radians(a), c = std::cos(r), s = std::sin(r);
  return {p.x, p.y * c - p.z * s, p.y * s + p.z * c};
}

Vector3 RotateY(const Vector3& p, double a) {
  double r = Radians(a), c = std::cos(r), s = std::sin(r);
  return {p.x * c + p.z * s, p.y, -p.x * s + p.z * c};
}

Vector3 RotateZ(const Vector3& p, double a) {
  double r = Radians(a), c = std::cos(r), s = std::sin(r);
  return {p.x * c - p.y * s, p.x * s + p.y * c, p.z};
}

Turn PackTurn(const Pack3D& pack) {
  return WholeDegreeTurn(TruncToInt32(pack.angle_x), TruncToInt32(pack.angle_y),
                         TruncToInt32(pack.angle_z));
}

// Undoes the Z angle, then the X angle, reading each from where the
// reference vectors point; the X angle is taken between -90 and 90 degrees
// (0..90 and 270..360).
Vector3 AnglesOfReferences(Vector3 a, Vector3 b) {
  double cone_z = ConeDegrees(b.y, b.x);
  double az = b.x >= 0 ? 360 - cone_z : cone_z;
  a = RotateZ(a, -az);
  b = RotateZ(b, -az);
  double cone_x = ConeDegrees(b.y, b.z);
  double ax = b.z >= 0 ? cone_x : 360 - cone_x;
  a = RotateX(a, -ax);
  double cone_y = ConeDegrees(a.x, a.z);
  double ay = a.z < 0 ? cone_y : 360 - cone_y;
  return {ax, ay, az};
}

void TurnPackLocal(Pack3D* pack, int axis, int32_t r) {
  Vector3 a = Orient(RotateAbout(axis, {kReference, 0, 0}, r), *pack);
  Vector3 b = Orient(RotateAbout(axis, {0, kReference, 0}, r), *pack);
  Vector3 angles = AnglesOfReferences(a, b);
  pack->angle_x = angles.x;
  pack->angle_y = angles.y;
  pack->angle_z = angles.z;
}

void MovePackLocal(Pack3D* pack, int axis, int32_t move) {
  int32_t v[3] = {0, 0, 0};
  v[axis] = move;
  Point3 d = ApplyTurn(PackTurn(*pack), v[0], v[1], v[2]);
  pack->pos_x += static_cast<double>(d.x);
  pack->pos_y += static_cast<double>(d.y);
  pack->pos_z += static_cast<double>(d.z);
}

int BuildFaces(const Pack3D& pack, const Projection& view, Face* faces) {
  Turn turn = PackTurn(pack);
  Point3 shift{TruncPosition(pack.pos_x), TruncPosition(pack.pos_y), TruncPosition(pack.pos_z)};
  int n = 0;
  for (int32_t i = 0; i < pack.count; ++i) {
    const int32_t* t = pack.triangles + static_cast<size_t>(i) * kTriangleValues;
    Placed v[3];
    bool seen = true;
    for (int k = 0; k < 3 && seen; ++k) {
      seen = Project(ApplyTurn(turn, t[3 * k], t[3 * k + 1], t[3 * k + 2]), shift, view, &v[k]);
    }
    if (!seen || !MakeFace(v, t + 9, &faces[n])) continue;
    faces[n++].index = i;
  }
  std::sort(faces, faces + n, DrawnBefore);
  return n;
}

}  // namespace zep
