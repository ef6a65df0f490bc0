// The Win32 implementation of the bitmap buttons' platform interface.
#pragma once

#include "controls/button_system.h"

namespace zep {

ButtonSystem* Win32Buttons();

}  // namespace zep
