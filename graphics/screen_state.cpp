#include "graphics/screen_state.h"

namespace zep {

GraphicsState graphics;

void ResetGraphicsState() { graphics = GraphicsState{}; }

}  // namespace zep
