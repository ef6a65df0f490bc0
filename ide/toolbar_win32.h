// The BBtn_class (toolbar button) and BStr_class (its hint) window classes.
#pragma once

#include <windows.h>

namespace zep {

// Registers both classes; false when either registration fails.
bool RegisterToolbarClasses(HINSTANCE instance);

}  // namespace zep
