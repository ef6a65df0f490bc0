// The start of a run: the command line, the direct-run checks and the
// preparation that every run goes through before its window opens.
#pragma once

#include <cstddef>

#include "core/common.h"
#include "core/loader.h"

namespace zep {

constexpr size_t kMaxDirectRunBytes = 32768;

extern bool direct_run;                 // started with a script on the command line
extern char command_file[kMaxPath];     // that script's name, quotes removed

// Takes the command-line text after the program's name: every double quote
// is dropped, blanks stay. Sets direct_run, command_file and the file that
// "FILE_NAME" stands for when the text is not empty.
void TakeCommandLine(const char* text);

// Why a script could not be started.
enum class StartFailure { kNone, kOpen, kTooLarge, kRead, kMemory, kLoad };

// Copies text into program_text and loads it as a run: every run part's
// start values, the CREATE pre-pass and the window-size corrections. Gives
// the error code of the load (0 when the window may be created); after an
// error the run is already freed. Reports nothing.
int LoadRun(const char* text, size_t size);

// LoadRun, and a load error reported at once (owner may be nullptr). Gives
// kNone when the window may be created.
StartFailure PrepareRun(WindowRef owner, const char* text, size_t size,
                        ProgramForm form = ProgramForm::kSource);

// The message shown when a direct run can't even start (file not found,
// too large, unreadable); nullptr for kNone and kLoad, whose box is the
// error report itself.
const char* StartFailureMessage(StartFailure failure);

}  // namespace zep
