// Preparing a run: compaction, the variable store, the CREATE pre-pass and
// the window-size corrections; and finding sections by name.
#pragma once

namespace zep {

// What program_text holds: a script as written, or one compacted already
// (a compiled program's, which must not be compacted twice: "/ /" compacts
// to "//", which a second pass would take for a comment).
enum class ProgramForm : unsigned char { kSource, kCompacted };

// Prepares program_text for a run: every run part's start values, the
// compaction, the variable store and the CREATE pre-pass. Leaves error_code
// 0 on success; on a failure the run is freed (the program text too) and
// the code stays set for the report.
void LoadProgram(ProgramForm form = ProgramForm::kSource);

// The position of the `{` of section name; code 18 naming it when none.
int FindSection(const char* name);

}  // namespace zep
