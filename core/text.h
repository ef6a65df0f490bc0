// Program text: Shift-JIS byte handling and compaction of a script.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zep {

// A double-byte Shift-JIS character starts with a lead byte 0x81..0x9F or
// 0xE0..0xFC and has one trail byte.
inline bool IsLeadByte(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 0x81 && u <= 0x9F) || (u >= 0xE0 && u <= 0xFC);
}

// Length in bytes of the character at p (1 or 2; 1 for a lead byte before NUL).
inline size_t CharLength(const char* p) {
  return (IsLeadByte(p[0]) && p[1] != '\0') ? 2 : 1;
}

// Steps over the literal whose opening quote is at p, by character; gives
// the position of the closing quote, or of the NUL when it is left open.
inline const char* SkipLiteral(const char* p) {
  ++p;
  while (*p != '\0' && *p != '"') p += CharLength(p);
  return p;
}

// Removes, outside string literals, every blank, tab, CR and LF, and every
// `//` comment up to and including the LF (alone or after a CR) that ends
// its line, or to the end of the text. Literals are kept whole, an unterminated one to the end.
// Works in place and returns the new length.
size_t CompactProgramText(char* text);

// Where each byte of the compacted text came from: sources[i] is the offset
// in text of byte i of CompactProgramText's result, so that a position in a
// running program can be found in the text it was loaded from.
void CompactionSources(const char* text, std::vector<int>* sources);

// Positions in a Shift-JIS text: the platform's text controls count
// characters, a double-byte character as one; the interpreter counts bytes.
// The byte offset of the character at index `characters` (the text's end
// when it has fewer characters).
size_t ByteOffsetOf(const std::string& text, int32_t characters);

// The number of characters that begin before byte offset `bytes`.
int32_t CharOffsetOf(const std::string& text, size_t bytes);

// The editor's rich text control keeps a line end as one character where
// the plain count above gives "\r\n" two: the rich count of the character
// at plain index `characters` (at most the text's end; a plain index
// between "\r" and "\n" is taken as the line's end).
int32_t RichOffsetOf(const std::string& text, int32_t characters);

// Where wanted begins in text at or after byte offset from, read by whole
// characters so that no match starts on a trail byte; npos if nowhere.
size_t FindInText(const std::string& text, const std::string& wanted, size_t from = 0);

// The text with the full-width digits, signs, point and space an input
// method types (０-９ ＋ － ． and the ideographic space) in their
// half-width forms, so that it reads as the number the user sees; every
// other character stays as it is.
std::string HalfWidthNumberText(const std::string& text);

}  // namespace zep
