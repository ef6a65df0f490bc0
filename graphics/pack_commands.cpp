// The 3D pack commands. Every argument is an integer; every command but
// Create3DPack and Set3DCenter first checks the pack number (code 40). A
// pack without triangles ignores the turns and moves and draws nothing.
#include <string>

#include "core/args.h"
#include "core/data_file.h"
#include "core/errors.h"
#include "graphics/pack_file.h"
#include "graphics/packs.h"

namespace zep {

namespace {

// Fetches n arguments, the first a pack number; the created pack or nullptr.
Pack3D* PackWithArgs(WindowRef window, const ArgList& args, int n, int32_t* a) {
  if (!GetIntArgs(window, args, 0, n - 1, a)) return nullptr;
  return CreatedPack(a[0]);
}

bool ValidChannel(int32_t c) { return c >= 0 && c <= 255; }

// Create3DPack(pack_n,size), CREATE only: a pack for size triangles (1..1024,
// else code 16). Codes 40 (number outside 0..255), 41 (already created), 43
// (no memory).
void CmdCreate3DPack(WindowRef window, const ArgList& args, int) {
  int32_t a[2];
  if (!GetIntArgs(window, args, 0, 1, a)) return;
  if (a[0] < 0 || a[0] >= kPackCount) return SetError(kErrPackNumber);
  if (pack_scene.packs[a[0]].capacity != 0) return SetError(kErrPackCreated);
  if (a[1] < 1 || a[1] > kMaxPackTriangles) return SetError(kErrBadValue);
  if (!AllocatePack(a[0], a[1])) SetError(kErrPackMemory);
}

// Set3DCenter(x,y,deep): the vanishing point and the eye's distance.
void CmdSet3DCenter(WindowRef window, const ArgList& args, int) {
  int32_t a[3];
  if (!GetIntArgs(window, args, 0, 2, a)) return;
  pack_scene.projection.center_x = a[0];
  pack_scene.projection.center_y = a[1];
  pack_scene.projection.deep = a[2];
}

// Add3DPack(pack_n,x1,y1,z1,x2,y2,z2,x3,y3,z3,r,g,b): appends a triangle.
// Code 42 when the pack is full, 1 for a colour outside 0..255.
void CmdAdd3DPack(WindowRef window, const ArgList& args, int) {
  int32_t a[1 + kTriangleValues];
  Pack3D* pack = PackWithArgs(window, args, 1 + kTriangleValues, a);
  if (pack == nullptr) return;
  if (pack->count >= pack->capacity) return SetError(kErrPackFull);
  if (!ValidChannel(a[10]) || !ValidChannel(a[11]) || !ValidChannel(a[12])) {
    return SetError(kErrColour);
  }
  int32_t* t = pack->triangles + static_cast<size_t>(pack->count) * kTriangleValues;
  for (int i = 0; i < kTriangleValues; ++i) t[i] = a[1 + i];
  ++pack->count;
}

// Clear3DPack(pack_n): no triangles, at rest; the memory stays.
void CmdClear3DPack(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  Pack3D* pack = PackWithArgs(window, args, 1, a);
  if (pack == nullptr) return;
  int32_t* triangles = pack->triangles;
  int32_t capacity = pack->capacity;
  *pack = Pack3D{};
  pack->triangles = triangles;
  pack->capacity = capacity;
}

// Reset3DRotate(pack_n) (extra 0) and Reset3DPos(pack_n) (extra 1).
void CmdReset3D(WindowRef window, const ArgList& args, int position) {
  int32_t a[1];
  Pack3D* pack = PackWithArgs(window, args, 1, a);
  if (pack == nullptr) return;
  if (position) {
    pack->pos_x = pack->pos_y = pack->pos_z = 0;
  } else {
    pack->angle_x = pack->angle_y = pack->angle_z = 0;
  }
}

// Set3DLocalRotateX/Y/Z(pack_n,r): turns the pack by r degrees about its own
// X, Y or Z axis (extra 0, 1, 2).
void CmdSet3DLocalRotate(WindowRef window, const ArgList& args, int axis) {
  int32_t a[2];
  Pack3D* pack = PackWithArgs(window, args, 2, a);
  if (pack != nullptr && pack->count > 0) TurnPackLocal(pack, axis, a[1]);
}

// Set3DLocalPosX/Y/Z(pack_n,move): moves the pack along its own axis.
void CmdSet3DLocalPos(WindowRef window, const ArgList& args, int axis) {
  int32_t a[2];
  Pack3D* pack = PackWithArgs(window, args, 2, a);
  if (pack != nullptr && pack->count > 0) MovePackLocal(pack, axis, a[1]);
}

// Set3DWorldPosX/Y/Z(pack_n,move): moves the pack along the world's axis.
void CmdSet3DWorldPos(WindowRef window, const ArgList& args, int axis) {
  int32_t a[2];
  Pack3D* pack = PackWithArgs(window, args, 2, a);
  if (pack == nullptr || pack->count == 0) return;
  double* position[3] = {&pack->pos_x, &pack->pos_y, &pack->pos_z};
  *position[axis] += a[1];
}

// Draw3DPack(pack_n): paints the faces that face the viewer on the current
// screen, deepest first, each in its shaded colour.
void CmdDraw3DPack(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  Pack3D* pack = PackWithArgs(window, args, 1, a);
  if (pack != nullptr && pack->count > 0) DrawPack(window, *pack);
}

// Save3DPack(pack_n): the pack's triangles, 24 bytes each, at the data
// file's current position. Code 5 when no file is open, 15 when not all can
// be written.
void CmdSave3DPack(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  Pack3D* pack = PackWithArgs(window, args, 1, a);
  if (pack == nullptr) return;
  if (open_file == -1) return SetError(kErrNoFile);
  std::string bytes(static_cast<size_t>(pack->count) * kPackRecordBytes, '\0');
  EncodePackFile(pack->triangles, pack->count, reinterpret_cast<uint8_t*>(&bytes[0]));
  WriteDataBlock(bytes.data(), bytes.size());
}

// Load3DPack(pack_n): the whole data file as the pack's triangles; the
// position is left at the file's end, angles and position stay. Codes 5 (no
// file open), 42 (longer than the pack holds), 15 (a file that cannot be
// read, as one opened for writing); the pack is unchanged then.
void CmdLoad3DPack(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  Pack3D* pack = PackWithArgs(window, args, 1, a);
  if (pack == nullptr) return;
  if (open_file == -1) return SetError(kErrNoFile);
  size_t room = static_cast<size_t>(pack->capacity) * kPackRecordBytes;
  int64_t length = file_system->SeekEnd(open_file);
  if (length < 0) return SetError(kErrOpenFile);
  if (static_cast<uint64_t>(length) > room) return SetError(kErrPackFull);
  std::string bytes;
  if (length > 0 && !file_system->ReadAll(open_file, room, &bytes)) return SetError(kErrOpenFile);
  int32_t count = DecodePackFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
                                 pack->triangles, pack->capacity);
  if (count < 0) return SetError(kErrPackFull);
  pack->count = count;
}

const CommandRow kRows[] = {
    {"Create3DPack", CmdCreate3DPack, 0, kPhaseCreate, false, "ii"},
    {"Set3DCenter", CmdSet3DCenter, 0, kPhaseBoth, false, "iii"},
    {"Add3DPack", CmdAdd3DPack, 0, kPhaseBoth, false, "iiiiiiiiiiiii"},
    {"Clear3DPack", CmdClear3DPack, 0, kPhaseRun, false, "i"},
    {"Draw3DPack", CmdDraw3DPack, 0, kPhaseRun, false, "i"},
    {"Set3DLocalRotateX", CmdSet3DLocalRotate, 0, kPhaseBoth, false, "ii"},
    {"Set3DLocalRotateY", CmdSet3DLocalRotate, 1, kPhaseBoth, false, "ii"},
    {"Set3DLocalRotateZ", CmdSet3DLocalRotate, 2, kPhaseBoth, false, "ii"},
    {"Set3DLocalPosX", CmdSet3DLocalPos, 0, kPhaseBoth, false, "ii"},
    {"Set3DLocalPosY", CmdSet3DLocalPos, 1, kPhaseBoth, false, "ii"},
    {"Set3DLocalPosZ", CmdSet3DLocalPos, 2, kPhaseBoth, false, "ii"},
    {"Set3DWorldPosX", CmdSet3DWorldPos, 0, kPhaseBoth, false, "ii"},
    {"Set3DWorldPosY", CmdSet3DWorldPos, 1, kPhaseBoth, false, "ii"},
    {"Set3DWorldPosZ", CmdSet3DWorldPos, 2, kPhaseBoth, false, "ii"},
    {"Reset3DRotate", CmdReset3D, 0, kPhaseRun, false, "i"},
    {"Reset3DPos", CmdReset3D, 1, kPhaseRun, false, "i"},
    {"Save3DPack", CmdSave3DPack, 0, kPhaseRun, false, "i"},
    {"Load3DPack", CmdLoad3DPack, 0, kPhaseRun, false, "i"},
};

}  // namespace

const CommandList pack_commands = {"graphics", kRows, RowCount(kRows)};

}  // namespace zep
