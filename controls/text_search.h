// Searching and comparing an edit field's text, byte offsets as the edit
// commands count them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zep {

// The offset of the first occurrence of str (m bytes) in text (length bytes)
// at or after n, stepping by character from n; -1 when none.
int32_t SearchText(const char* text, size_t length, int32_t n, const char* str, size_t m);

// 1 when the text at n starts with str, else 0; also 0 when n is outside the
// text or str is empty.
int32_t CompareText(const char* text, size_t length, int32_t n, const char* str, size_t m);

}  // namespace zep
