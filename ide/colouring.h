// The colours of a script as the editor shows it: each word, number, text
// and comment gets the colour of what the language makes of it, from the
// language's own tables (the installed commands, the functions, the
// reserved variables, the control statements). The text is as typed:
// Shift-JIS, with blanks, line ends and comments.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zep {

enum class Colour : uint8_t {
  kPlain,        // variables, operators, blanks
  kSection,      // a section's name before its `{`
  kCommand,      // a command of the command table
  kFunction,     // sin, cos, ..., AscType
  kReserved,     // MOUSE_X, KEY, PI, ...
  kControl,      // loop, if, call, return, end
  kNumber,
  kText,         // "..." (to the line's end when it does not close)
  kComment,      // // to the line's end
  kUnknownCall,  // an unknown word before `(`: most likely a misspelt command
};

struct ColourSpan {
  size_t start;   // byte offset in the text
  size_t length;  // bytes
  Colour colour;
};

// The coloured spans of text in order; plain stretches have none.
std::vector<ColourSpan> ColourText(const std::string& text);

}  // namespace zep
