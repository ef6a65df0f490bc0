// The Win32 implementations of the platform interfaces: the interpreter's
// host, the run window's system, the data file's calls and the GDI canvas.
#pragma once

#include "core/data_file.h"
#include "core/host.h"
#include "graphics/canvas.h"
#include "runtime/window_system.h"

namespace zep {

// Points host, window_system, file_system, canvas and every other platform
// interface (reference_system among them) at the Win32 implementations;
// done once at start-up.
void InstallWin32Platform();

}  // namespace zep
