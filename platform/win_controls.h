// The Win32 implementation of the controls' platform interface.
#pragma once

#include "controls/control_system.h"

namespace zep {

ControlSystem* Win32Controls();

}  // namespace zep
