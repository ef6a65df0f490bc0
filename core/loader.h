// Preparing a run: compaction, the variable store, the CREATE pre-pass and
// the window-size corrections; and finding sections by name.
#pragma once

namespace zep {

// Prepares program_text for a run. Leaves error_code 0 on success; on a
// failure everything the pre-pass recorded is freed and the code stays set.
void LoadProgram();

// The position of the `{` of section name; code 18 naming it when none.
int FindSection(const char* name);

// Frees what a run recorded at preparation (variables and setup tables).
void FreeRunTables();

}  // namespace zep
