// The DLG window class: the script's dialog box under Win32.
#pragma once

#include "runtime/dialog_system.h"

namespace zep {

// The Win32 dialog system: the DLG class, the dialog window and its timer.
DialogSystem* Win32Dialogs();

}  // namespace zep
