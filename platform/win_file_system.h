// The Win32 file calls: the data file, file lengths and the common dialogs.
#pragma once

#include "core/data_file.h"

namespace zep {

// The one Win32 file system, for InstallWin32Platform.
FileSystem* Win32FileSystem();

}  // namespace zep
