// Positions in a Shift-JIS text. The platform's text control counts
// characters, a double-byte character as one; the editor's searches and the
// interpreter count bytes (core/text.h converts). FindDown searches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/text.h"  // ByteOffsetOf, CharOffsetOf

namespace zep {

// Finds wanted in text from byte offset `from` on, stepping one character
// at a time so that a match can only begin on a character boundary: the
// byte offset of the first match that begins after `from`, or npos. A match
// at `from` itself is skipped, so that repeated searches move on past the
// current selection. Byte for byte, case-sensitive, no wrap to the top.
size_t FindDown(const std::string& text, size_t from, const std::string& wanted);

}  // namespace zep
