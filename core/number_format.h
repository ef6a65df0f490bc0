// Numbers as text: the decimal form that PrintData draws and SetEditData
// inserts.
#pragma once

#include <cstddef>

namespace zep {

// The longest text a text command writes, in bytes.
constexpr size_t kMaxPrintText = 511;

// Writes `data` with n decimals as PrintData shows it, NUL-terminated, into
// out (cap bytes, at most kMaxPrintText + 1 are used). Gives the length.
//
// The integer part is written whole, with "-" for a negative number ("-0"
// when only the fraction is negative). The fraction is rounded half up to n
// significant digits of its 17-digit expansion and then cut to n decimals, so
// a fraction below 0.1 is cut rather than rounded at the last decimal. A
// fraction that rounds up to a whole unit carries into the integer part
// (1.999 with n = 2 is "2.00"). A negative n counts as 0, and n is lowered
// so that the text fits. Infinities and NaN are written "inf", "-inf", "nan".
size_t FormatPrintData(double data, int n, char* out, size_t cap);

}  // namespace zep
