// The 3D packs of a run: 256 numbered packs of up to 1024 triangles each,
// the projection they are drawn with, and their part of a run's life.
#pragma once

#include <cstdint>

#include "core/command_table.h"
#include "core/common.h"
#include "core/run_parts.h"
#include "graphics/pack_maths.h"

namespace zep {

constexpr int kPackCount = 256;
constexpr int32_t kMaxPackTriangles = 1024;

// A run's packs and the projection they are drawn with.
struct PackScene {
  Pack3D packs[kPackCount];
  Projection projection;  // center_x, center_y and deep of every Draw3DPack
};

extern PackScene pack_scene;

// Start values of a run: no pack created, the default projection. Memory a
// pack still holds is given back first.
void InitPacks();
// Gives back every created pack's memory; each pack is not created after.
void FreePacks();

// Makes pack_n a pack of size triangles, empty, at rest. The caller has
// checked the number, that it is not created, and the size (1..1024).
// False, nothing changed, when the memory cannot be had.
bool AllocatePack(int32_t pack_n, int32_t size);

// The created pack pack_n, or nullptr with code 40 when pack_n is outside
// 0..255 or that pack was not created.
Pack3D* CreatedPack(int32_t pack_n);

// Paints the pack's faces on the current screen of window, the deepest
// first, each as a polygon with a pen and a brush of its shaded colour.
void DrawPack(WindowRef window, const Pack3D& pack);

// The rows of the 3D pack commands (pack_commands.cpp).
extern const CommandList pack_commands;

// Reset at the load pass, freed at the window's end or a failed load.
extern const RunPart packs_part;

}  // namespace zep
