// The Win32 implementation of the menus' platform interface.
#pragma once

#include "runtime/menu_system.h"

namespace zep {

MenuSystem* Win32Menus();

}  // namespace zep
