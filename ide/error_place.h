// Where a run stopped, in the editor's text. The interpreter counts
// positions in the compacted program text (no blanks, line breaks or
// comments); the editor shows the text as written. This finds the failing
// statement of a run in the text the run was loaded from.
#pragma once

#include <cstddef>

namespace zep {

// The statement that starts at pos of the compacted form of source, as the
// byte range [*start, *end) of source: up to and including its `;`, a block
// head such as `if(a>b)` up to its `{`, or a section's name with its `{`
// when pos is that brace. False when pos lies outside the compacted text.
bool FailingStatement(const char* source, int pos, size_t* start, size_t* end);

}  // namespace zep
