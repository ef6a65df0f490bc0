// The filter lists of the file dialogs. Scripts write a list as one text
// with a backslash after each description and each pattern, or name ready
// entries by the digits of a number; the platform takes pairs of
// NUL-terminated strings that end with an empty string.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zep {

// The list of the dialogs that open the data file, in the platform's form:
// all files, bitmaps, texts, data files.
extern const char kDataFileFilters[];

// Builds the list that the decimal digits of type name, most significant
// first, each digit 1..6 one entry in the script's backslash form. Gives
// false for a digit 0 or 7..9 (out is then unspecified). type must be > 0;
// out holds cap bytes, kMaxStatement is enough for every type.
bool BuildTypeFilters(int32_t type, char* out, size_t cap);

// Turns a list in the script's backslash form into the platform's form in
// place: every backslash character becomes a string end, and a list that
// does not end with one is closed with an extra terminator. Steps by
// Shift-JIS character. The list needs two bytes of room after its text.
void ToPlatformFilters(char* list, size_t cap);

}  // namespace zep
