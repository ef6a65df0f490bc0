// Byte-string helpers: Shift-JIS aware escaping for messages, number and
// colour parsing, and conversion of Shift-JIS output to UTF-8.
#pragma once

#include <cstdint>
#include <string>

namespace zd {

// True if c starts a two-byte Shift-JIS character.
bool isSjisLead(unsigned char c);

// Quoted, with \r \n \" \\ and other control bytes escaped, so a message
// stays on one line. Two-byte characters are kept whole.
std::string quoted(const std::string& bytes);

// Converts Shift-JIS (code page 932) bytes to UTF-8.
std::string sjisToUtf8(const std::string& bytes);

// Converts UTF-16 text (read from a control in its Unicode form, which
// crosses processes unconverted) to Shift-JIS, as the scripts are written.
std::string utf16ToSjis(const std::wstring& text);

// Decimal, or hexadecimal with 0x; optional leading minus.
bool parseInt(const std::string& s, long long& out);

// Hexadecimal with or without 0x.
bool parseHex(const std::string& s, long long& out);

// Exactly six hex digits, RRGGBB.
bool parseColour(const std::string& s, uint32_t& rgb);

// A non-negative decimal number such as 2 or 0.5.
bool parseSeconds(const std::string& s, double& out);

// "RRGGBB" in upper case.
std::string colourText(uint32_t rgb);

}  // namespace zd
