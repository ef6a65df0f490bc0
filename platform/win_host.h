// The Win32 implementation of the interpreter's host interface.
#pragma once

#include "core/host.h"

namespace zep {

// The one Win32 host of the process.
Host* Win32Host();

}  // namespace zep
