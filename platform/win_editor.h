// The Win32 implementation of the editor's platform interface.
#pragma once

#include "ide/editor_system.h"

namespace zep {

EditorSystem* Win32Editor();

// Writes the editor's text (when the editor is open) to the recovery
// folder, %APPDATA%\ZEP\recovery, under the document's name; gives the
// file's path, or "" when nothing was written. Uses no heap: it runs after
// a fault.
const char* WriteEditorRecovery();

}  // namespace zep
