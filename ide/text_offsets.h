// Positions in a Shift-JIS text. The platform's text control counts
// characters, a double-byte character as one; the editor's searches and the
// interpreter count bytes. These convert between the two and search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zep {

// The byte offset of the character at index `characters` (the text's end
// when it has fewer characters).
size_t ByteOffsetOf(const std::string& text, int32_t characters);

// The number of characters that begin before byte offset `bytes`.
int32_t CharOffsetOf(const std::string& text, size_t bytes);

// Finds wanted in text from byte offset `from` on, stepping one character
// at a time so that a match can only begin on a character boundary: the
// byte offset of the first match that begins after `from`, or npos. A match
// at `from` itself is skipped, so that repeated searches move on past the
// current selection. Byte for byte, case-sensitive, no wrap to the top.
size_t FindDown(const std::string& text, size_t from, const std::string& wanted);

}  // namespace zep
