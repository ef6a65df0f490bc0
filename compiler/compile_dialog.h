// The compile dialog: the output name, the icon (standard or from an icon
// file) and the compile itself, for the editor's text.
#pragma once

#include <cstddef>

#include "core/common.h"

namespace zep {

// Shows the dialog modally, owned by owner, for the script text; saved_path
// is where the script was last saved (the output name is made from it).
// Gives 1 after a compile was tried, 2 when the dialog was closed without.
int ShowCompileDialog(WindowRef owner, const char* text, size_t size, const char* saved_path);

}  // namespace zep
