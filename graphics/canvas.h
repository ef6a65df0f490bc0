// The drawing surfaces as the platform provides them: the back screen's life
// and the drawing operations of the graphics commands.
#pragma once

#include "core/common.h"

namespace zep {

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Creates the back screen compatible with window's client area.
  virtual void CreateBackScreen(WindowRef window, int width, int height) = 0;
  // Destroys the back screen, if one was created.
  virtual void DestroyBackScreen() = 0;
};

// The canvas in use. Set once at start-up (or by a test).
extern Canvas* canvas;

}  // namespace zep
