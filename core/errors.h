// The single error state of a run, the error messages and the error report.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/common.h"

namespace zep {

// 0 = no error. The first error set stops the running section.
extern uint8_t error_code;
// What the message names after its prefix: a command, variable or array.
extern char error_name[64];
// Where the statement that set error_code starts in the compacted program
// text (in CREATE too), -1 when no statement is to blame. Kept after the run
// ends, until the next run is loaded.
extern int error_pos;

enum ErrorCode : uint8_t {
  kErrColour = 1, kErrParen = 2, kErrTooLong = 3, kErrUndefined = 4,
  kErrNoFile = 5, kErrNoCommand = 6, kErrArrayRange = 7, kErrFewArgs = 8,
  kErrNoString = 9, kErrExpression = 10, kErrTooManyVars = 11,
  kErrNoArray = 12, kErrIf = 13, kErrNoBackScreen = 14, kErrOpenFile = 15,
  kErrBadValue = 16, kErrFileOpen = 17, kErrNoSection = 18, kErrNesting = 19,
  kErrMemory = 20, kErrTimer = 21, kErrDivZero = 22, kErrArgCount = 23,
  kErrNoControl = 24, kErrControlCreate = 25, kErrControlType = 26,
  kErrExtension = 27, kErrArrayName = 28, kErrNoValue = 30, kErrPackNumber = 40,
  kErrPackCreated = 41, kErrPackFull = 42, kErrPackMemory = 43, kErrMenu = 44,
  kErrSoundInUse = 50, kErrNoSoundFile = 51, kErrWaveFile = 52, kErrMidiFile = 53,
  kErrTooManyWaveBufs = 54, kErrWaveBufSize = 55, kErrNoWaveBuf = 56,
  kErrWaveBufRange = 57,
  // Never shown: the run ended while a section waited inside a command
  // (see section_runs.h); it stops whatever that section would do next.
  kErrRunEnded = 255,
  // Never shown: the interpreter itself failed; the internal error box
  // has been shown and the run ends.
  kErrInternal = 254,
};

// Sets the code and leaves error_name as it is.
inline void SetError(uint8_t code) { error_code = code; }
// Sets the code and the name (shortened to 63 bytes, whole characters).
void SetError(uint8_t code, const char* name);
void SetErrorName(const char* name);
void SetErrorNameN(const char* name, size_t n);
inline void ClearError() { error_code = 0; }

// The fixed Japanese message of a code, or nullptr for an unknown code.
const char* ErrorMessage(int code);

// Builds the text of the error box: the section line, then the prefix and
// error_name (or a fixed text), then the message. At most 511 bytes.
size_t BuildErrorMessage(int code, const char* section, const char* name,
                         char* out, size_t cap);

// The name of the section that contains pos in the compacted text
// ("CREATE" for a negative pos, empty when no section encloses it).
void SectionNameAt(const char* text, int pos, char* out, size_t cap);

// The text of the box that reports a fault of the program itself: what
// failed (a processor fault's code, or a description), the section that
// ran (when one did), and where the editor's text was saved (when it was).
size_t BuildFaultMessage(const char* what, const char* section, const char* saved_to, char* out,
                         size_t cap);

// Shows the one "ZEP Error" box for code, naming the section at pos.
void ReportError(WindowRef owner, int code, const char* text, int pos);

// How many error boxes ReportError has shown since the program started.
extern int32_t reported_errors;

}  // namespace zep
