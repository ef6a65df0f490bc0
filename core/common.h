// Basic types and limits shared by the whole interpreter.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zep {

// An opaque window handle: the run-time window, a script dialog window, or
// nullptr (no window, as during the CREATE pre-pass). On Windows it is an HWND.
using WindowRef = void*;

constexpr int kMaxStatement = 512;     // bytes of one statement
constexpr int kMaxAssignment = 255;    // bytes of one assignment statement
constexpr int kMaxCondSide = 131;      // bytes of one side of an if comparison
constexpr int kMaxOperands = 128;      // entries of one expression
constexpr int kMaxToken = 127;         // bytes of one operand token or name
constexpr int kMaxCallArgs = 126;      // bytes of the argument text of f( )
constexpr int kMaxLevels = 128;        // block stack depth
constexpr int kMaxVariables = 511;
constexpr int kMaxCells = 65535;       // cells of one array, and of all together
constexpr int kMaxPath = 260;

// Assertions for programming errors; they compile away in release builds.
#ifdef NDEBUG
#define ZEP_ASSERT(cond, msg) ((void)0)
#else
#define ZEP_ASSERT(cond, msg) \
  ((cond) ? (void)0 : ::zep::AssertFailed(__FILE__, __LINE__, #cond, msg))
#endif
[[noreturn]] void AssertFailed(const char* file, int line, const char* cond, const char* msg);

// Numbers truncated toward zero, the way every integer argument is taken.
// Values outside the 32-bit range (and NaN) give INT32_MIN, as the x86
// conversion instruction does, so results are the same on every build.
inline int32_t TruncToInt32(double v) {
  if (!(v > -2147483649.0 && v < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(v);
}

// Arithmetic on script coordinates wraps at 32 bits, as 32-bit integers do
// on the machine, without overflowing a signed type.
inline int32_t Wrap32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }

// An array index: truncated to 16 bits signed, then read as unsigned, so
// -1 becomes 65535 (which fails every bounds test) and 65536 becomes 0.
inline uint16_t TruncToIndex(double v) { return static_cast<uint16_t>(TruncToInt32(v)); }

// Bounded copy that always terminates dst (when cap > 0) and never splits a
// double-byte Shift-JIS character. Returns the bytes copied.
size_t CopyText(char* dst, size_t cap, const char* src);
size_t CopyTextN(char* dst, size_t cap, const char* src, size_t n);

}  // namespace zep
