// Picture files: loading and saving BMP files through the kept picture, and
// drawing any picture file the platform's decoder understands.
#pragma once

#include <cstdint>

#include "core/command_table.h"
#include "graphics/canvas.h"

namespace zep {

// The rows of the picture file commands.
extern const CommandList picture_commands;

// A size in hundredths of a millimetre as pixels at dpi dots per inch:
// himetric * dpi / 2540 rounded to nearest, halves away from zero (the
// platform's multiply-divide); -1 when the result does not fit 32 bits.
int32_t HimetricToPixels(int32_t himetric, int32_t dpi);

// Decodes the picture file `name` and draws it at (0, 0) into target, sized
// by target's resolution. True when the file was read, whether or not it
// decoded; false otherwise, and code 15 when it could not be opened or
// measured. No open-file check, and "FILE_NAME" is left alone.
bool LoadPictureInto(Surface target, const char* name);

// The file name of the save dialog: ".bmp" appended to a path that holds no
// "." anywhere. False when the longer path would not fit cap bytes.
bool AddBmpExtension(char* path, size_t cap);

}  // namespace zep
