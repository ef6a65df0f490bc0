// The BB_class (bitmap button) and BS_class (hint) window classes.
#pragma once

#include <windows.h>

namespace zep {

// Registers both classes; a second registration in the process fails and
// is ignored.
void RegisterButtonClasses(HINSTANCE instance);

}  // namespace zep
