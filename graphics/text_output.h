// Text output: the font of a text command and the text of PrintData.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/command_table.h"
#include "core/number_format.h"
#include "graphics/canvas.h"

namespace zep {

// The rows of the text commands and SetFont.
extern const CommandList text_commands;

// The font of one text command: cell height h, average width w (0 lets the
// platform choose) and rotation r in whole degrees counter-clockwise, with
// the face and style last set by SetFont.
FontSpec MakeFont(int32_t r, int32_t w, int32_t h);

}  // namespace zep
