// The canvas that draws with the Windows graphics interface (GDI).
#pragma once

#include "graphics/canvas.h"

namespace zep {

// The one GDI canvas of the program.
Canvas* GdiCanvas();

}  // namespace zep
