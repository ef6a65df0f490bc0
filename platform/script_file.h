// Reading a script file named on the command line.
#pragma once

#include <cstddef>

#include "runtime/start.h"

namespace zep {

// Reads the whole file into a new buffer (freed by the caller with free()).
// Gives kNone, or why the file could not be read; files over limit bytes
// are refused before anything is read.
StartFailure ReadScriptFile(const char* path, size_t limit, char** data, size_t* size);

}  // namespace zep
