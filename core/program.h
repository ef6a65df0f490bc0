// The program text of the current run: one NUL-terminated Shift-JIS buffer,
// compacted at load. Every interpreter position is an offset into it.
#pragma once

#include <cstddef>

namespace zep {

extern char* program_text;
// Changes whenever the text is replaced, freed or compacted, or the
// variable store is made or freed, so that what was worked out from an
// earlier text or store (statement forms, variable numbers) is known to be
// stale.
extern unsigned run_generation;

// Allocates the buffer (size + 16 bytes) holding a copy of text; false when
// the allocation fails.
bool SetProgramText(const char* text, size_t size);
void FreeProgramText();

}  // namespace zep
