// What the editor does as a line is typed, decided on the text alone (the
// text control only applies it): the indentation after Enter and after a
// `}`, and the bracket that matches the one at the caret. Texts are
// Shift-JIS as typed; offsets are bytes.
#pragma once

#include <cstddef>
#include <string>

namespace zep {

// One indentation step: a tab, as the standard program is indented.
constexpr char kIndentStep[] = "\t";

// The indentation of the line that Enter starts after line (the text of
// the line before the caret): the same blanks as line begins with, one
// step more when line ends in `{` (blanks and a comment after it aside).
std::string IndentAfterEnter(const std::string& line);

// When `}` is typed on a line that holds only blanks: those blanks with one
// step taken off, to stand before the `}`; otherwise line as it is.
std::string IndentBeforeCloseBrace(const std::string& line);

// Tab and Shift+Tab on a selection of whole lines (joined by "\r\n"): each
// line that holds anything gets one step more, or loses one (a tab, or up
// to four spaces) when out is set.
std::string IndentLines(const std::string& lines, bool out);

// The text control keeps every line end as "\r\n" (and would take "\r\r\n"
// for a blank): each "\r" or "\n" that stands alone in text becomes "\r\n".
// True when anything changed.
bool NormaliseLineEnds(std::string* text);

// The name at byte offset pos of text, or just before it (the caret stands
// after a word as often as in it): letters, digits, "_" and double-byte
// characters, as a command, a variable or a section is named; "" when
// there is none.
std::string WordAt(const std::string& text, size_t pos);

// The offset of the bracket that matches the one at pos ("(" ")" "{" "}"),
// skipping texts in quotes, comments and trail bytes; npos when the byte at
// pos is no bracket or nothing matches it.
size_t MatchingBracket(const std::string& text, size_t pos);

}  // namespace zep
