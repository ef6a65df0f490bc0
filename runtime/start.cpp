#include "runtime/start.h"

#include <new>

#include "core/args.h"
#include "core/errors.h"
#include "core/loader.h"
#include "core/program.h"
#include "core/run_settings.h"
#include "runtime/settings.h"

namespace zep {

bool direct_run = false;
char command_file[kMaxPath] = "";

void TakeCommandLine(const char* text) {
  size_t n = 0;
  for (const char* p = text; *p != '\0' && n + 1 < sizeof command_file; ++p) {
    if (*p != '"') command_file[n++] = *p;
  }
  command_file[n] = '\0';
  direct_run = text[0] != '\0';
  if (direct_run) CopyText(file_name, sizeof file_name, command_file);
}

namespace {

// Loads the program text already in place. Memory that can't be had (for
// the variable store, an array, a pack) fails the load with code 20.
int LoadProgramText(ProgramForm form = ProgramForm::kSource) {
  try {
    LoadProgram(form);
  } catch (const std::bad_alloc&) {
    if (error_code == 0) SetError(kErrMemory);
  }
  if (error_code == 0) CorrectWindowSize();
  return error_code;
}

}  // namespace

int LoadRun(const char* text, size_t size) {
  if (!SetProgramText(text, size)) return SetError(kErrMemory), kErrMemory;
  return LoadProgramText();
}

StartFailure PrepareRun(WindowRef owner, const char* text, size_t size, ProgramForm form) {
  if (!SetProgramText(text, size)) return StartFailure::kMemory;
  if (LoadProgramText(form) == 0) return StartFailure::kNone;
  ReportError(owner, error_code, program_text, -1);
  run_state.running = 0;
  return StartFailure::kLoad;
}

const char* StartFailureMessage(StartFailure failure) {
  switch (failure) {
    case StartFailure::kOpen: return "スクリプトファイルを開けません";
    case StartFailure::kTooLarge: return "スクリプトファイルが大きすぎます（32768バイトまで）";
    case StartFailure::kRead: return "スクリプトファイルを読み込めません";
    case StartFailure::kMemory: return "メモリーの確保に失敗しました";
    default: return nullptr;
  }
}

}  // namespace zep
