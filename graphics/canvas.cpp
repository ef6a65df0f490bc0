#include "graphics/canvas.h"

namespace zep {

Canvas* canvas_system = nullptr;

}  // namespace zep
