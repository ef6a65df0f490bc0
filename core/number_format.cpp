#include "core/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zep {

namespace {

// Significant digits of a double's decimal expansion; the fraction is
// rounded on these, and digits beyond them are zeros.
constexpr int kExpansionDigits = 17;

// The first n significant digits of f (0 <= f < 1) rounded half up on its
// 17-digit expansion, and the exponent e with f ~ 0.d1..dn x 10^e. A zero
// fraction gives n zeros and e = 0. When the rounding carries out of the
// first digit the digits become 1 0..0 and e grows by one.
void FractionDigits(double f, int n, char* digits, int* e) {
  std::memset(digits, '0', static_cast<size_t>(n));
  *e = 0;
  if (f == 0) return;
  char expansion[40];
  std::snprintf(expansion, sizeof expansion, "%.*e", kExpansionDigits - 1, f);
  char d[kExpansionDigits];
  d[0] = expansion[0];
  std::memcpy(d + 1, expansion + 2, kExpansionDigits - 1);
  *e = std::atoi(expansion + kExpansionDigits + 2) + 1;  // after "d." and the 16 digits and 'e'
  if (n >= kExpansionDigits) {
    std::memcpy(digits, d, kExpansionDigits);
    return;
  }
  std::memcpy(digits, d, static_cast<size_t>(n));
  if (d[n] < '5') return;
  int i = n - 1;
  while (i >= 0 && digits[i] == '9') digits[i--] = '0';
  if (i >= 0) {
    ++digits[i];
  } else {
    digits[0] = '1';
    ++*e;
  }
}

// Copies text into out (cap bytes), cut to fit; gives the length.
size_t Emit(const char* text, size_t length, char* out, size_t cap) {
  if (length > cap - 1) length = cap - 1;
  std::memcpy(out, text, length);
  out[length] = '\0';
  return length;
}

}  // namespace

size_t FormatPrintData(double data, int n, char* out, size_t cap) {
  if (cap == 0) return 0;
  if (std::isnan(data)) return Emit("nan", 3, out, cap);
  if (std::isinf(data)) return data < 0 ? Emit("-inf", 4, out, cap) : Emit("inf", 3, out, cap);
  if (n < 0) n = 0;
  bool negative = data < 0;
  double whole;
  double fraction = std::fabs(std::modf(data, &whole));
  whole = std::fabs(whole);

  // The integer part of a finite double has at most 309 digits, so at least
  // 200 decimals always fit; a count that large never rounds (it is beyond
  // the 17 significant digits), so the carry below cannot lengthen the text.
  char text[kMaxPrintText + 1];
  int whole_length = std::snprintf(nullptr, 0, "%.0f", whole) + (negative ? 1 : 0);
  if (n > static_cast<int>(kMaxPrintText) - 1 - whole_length) {
    n = static_cast<int>(kMaxPrintText) - 1 - whole_length;
  }

  char digits[kMaxPrintText];
  int e = 0;
  if (n > 0) {
    FractionDigits(fraction, n, digits, &e);
    if (e > 0) {  // the fraction rounded up to a whole unit
      whole += 1;
      std::memset(digits, '0', static_cast<size_t>(n));
      e = 0;
    }
  }
  int length = std::snprintf(text, sizeof text, "%s%.0f", negative ? "-" : "", whole);
  if (n > 0) {
    text[length++] = '.';
    int zeros = -e < n ? -e : n;
    std::memset(text + length, '0', static_cast<size_t>(zeros));
    std::memcpy(text + length + zeros, digits, static_cast<size_t>(n - zeros));
    length += n;
  }
  return Emit(text, static_cast<size_t>(length), out, cap);
}

}  // namespace zep
