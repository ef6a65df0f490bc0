// The Win32 implementation of the editor's platform interface.
#pragma once

#include "ide/editor_system.h"

namespace zep {

EditorSystem* Win32Editor();

}  // namespace zep
