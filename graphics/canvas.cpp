#include "graphics/canvas.h"

namespace zep {

Canvas* canvas = nullptr;

}  // namespace zep
