// Script files as users save them: Shift-JIS as the language reads it, or
// UTF-8 (with or without a byte-order mark), which is converted to
// Shift-JIS when the file is loaded. Line ends may be CR LF or a lone LF.
#pragma once

#include <cstddef>
#include <string>

namespace zep {

enum class ScriptEncoding : unsigned char {
  kShiftJis,
  kUtf8,
  kUtf16,    // NUL bytes between the characters: saved as UTF-16
  kUnknown,  // neither Shift-JIS nor UTF-8, or binary
};

// How the bytes of a script file are to be read. Shift-JIS wins whenever
// the bytes are valid Shift-JIS, unless they carry the UTF-8 byte-order
// mark or are valid UTF-8 holding at least one Japanese character of three
// bytes (which Shift-JIS text practically never is: its lead bytes 0x81 to
// 0x9F and most trail bytes cannot stand where UTF-8 wants them).
ScriptEncoding DetectScriptEncoding(const char* data, size_t size);

enum class ScriptText : unsigned char {
  kRead,
  kUtf16,
  kUnknown,
  kNoShiftJis,  // a UTF-8 character that Shift-JIS cannot hold
};

// The script's text in Shift-JIS: the bytes as they are, or converted from
// UTF-8 (the byte-order mark dropped). On kNoShiftJis, *line is the line
// (from 1) of the first character that cannot be converted.
ScriptText DecodeScriptText(const char* data, size_t size, std::string* out, int* line);

// Shift-JIS text as UTF-8, through host_system, which must be set. A text
// with bytes that are no Shift-JIS character is given as it is.
std::string ShiftJisToUtf8(const std::string& text);

// The Japanese message for a file that cannot be read as a script (line:
// as DecodeScriptText gave it).
std::string ScriptTextMessage(ScriptText result, int line);

}  // namespace zep
