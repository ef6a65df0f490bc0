#include "graphics/packs.h"

#include <new>

#include "core/errors.h"
#include "graphics/screens.h"

namespace zep {

PackScene pack_scene;

void FreePacks() {
  for (Pack3D& pack : pack_scene.packs) {
    delete[] pack.triangles;
    pack = Pack3D{};
  }
}

void InitPacks() {
  FreePacks();
  pack_scene.projection = Projection{};
}

bool AllocatePack(int32_t pack_n, int32_t size) {
  int32_t* triangles = new (std::nothrow) int32_t[static_cast<size_t>(size) * kTriangleValues];
  if (triangles == nullptr) return false;
  Pack3D& pack = pack_scene.packs[pack_n];
  pack = Pack3D{};
  pack.capacity = size;
  pack.triangles = triangles;
  return true;
}

Pack3D* CreatedPack(int32_t pack_n) {
  if (pack_n < 0 || pack_n >= kPackCount || pack_scene.packs[pack_n].capacity == 0) {
    SetError(kErrPackNumber);
    return nullptr;
  }
  return &pack_scene.packs[pack_n];
}

namespace {

// The faces of one drawing: a fixed working area, no allocation per call.
Face faces[kMaxPackTriangles];

Figure TriangleFigure(const Face& face) {
  Figure f{};
  f.shape = Shape::kPolygon;
  for (int k = 0; k < 3; ++k) f.points[k] = face.points[k];
  f.point_count = 3;
  return f;
}

void FreePacksOf(WindowRef) { FreePacks(); }

}  // namespace

void DrawPack(WindowRef window, const Pack3D& pack) {
  int n = BuildFaces(pack, pack_scene.projection, faces);
  if (n == 0) return;
  Target target = AcquireTarget(window);
  for (int i = 0; i < n; ++i) {
    canvas_system->DrawFigure(target.surface, TriangleFigure(faces[i]), {faces[i].colour, false},
                       {faces[i].colour, false});
  }
  ReleaseTarget(window, target);
}

const RunPart packs_part = {"3D packs", InitPacks, nullptr, nullptr, FreePacksOf};

}  // namespace zep
