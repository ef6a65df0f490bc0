#include "runtime/script_window.h"

#include "core/errors.h"
#include "core/run_settings.h"

namespace zep {

void ScriptKey(WindowRef window, bool down, uint32_t key, SectionRunner run_section) {
  key_code = key;
  run_section(window, down ? "KEYDOWN" : "KEYUP");
}

void ScriptChar(WindowRef window, uint32_t code, SectionRunner run_section) {
  char_code = code;
  run_section(window, "CHARDOWN");
}

// Ticks that come after an error run nothing.
void ScriptTimer(WindowRef window, SectionRunner run_section) {
  if (error_code == 0) run_section(window, "TIMER");
}

// The section first, then the focus to the window itself.
void ScriptSetFocus(WindowRef window, SectionRunner run_section) {
  run_section(window, "SETFOCUS");
  window_system->SetFocusTo(window);
}

}  // namespace zep
