// Splitting a path into its folder part and its name part. The path is
// stepped through by Shift-JIS character, so the trail byte 0x5C of a
// character such as 表 or 能 is never taken for a folder separator.
#pragma once

#include <cstddef>

namespace zep {

// The offset of the name part: just after the last backslash that stands as
// a character of its own after the first byte; 0 when there is none (the
// whole path is the name).
size_t PathNameStart(const char* path);

// The length of the folder part, up to and including that backslash; the
// whole length when there is none.
size_t PathFolderLength(const char* path);

}  // namespace zep
