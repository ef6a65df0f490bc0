#include "core/system_commands.h"

#include "core/args.h"
#include "core/errors.h"
#include "core/host.h"

namespace zep {

namespace {

// Fetches the one string argument, resolved to what it stands for.
bool GetResolvedString(const char* args, char* text) {
  if (!CheckArgCount(args, 1) || !GetStrArg(args, 0, text)) return false;
  ResolveStrArg(text, kMaxStatement);
  return true;
}

}  // namespace

// WinExec("command line"): starts a program; a failure only warns.
void CmdWinExec(WindowRef window, const char* args, int) {
  char command[kMaxStatement + 32];
  if (!GetResolvedString(args, command)) return;
  if (host->StartProgram(command) >= 32) return;
  char warning[kMaxStatement + 32];
  size_t n = CopyText(warning, sizeof warning, command);
  CopyText(warning + n, sizeof warning - n, " を実行できません");
  host->ShowMessage(window, warning, "ZEP Warning", kBoxOk | kBoxIconExclamation);
}

// WinHelp("file"): opens a help file at its index.
void CmdWinHelp(WindowRef window, const char* args, int) {
  char file[kMaxStatement];
  if (!GetResolvedString(args, file)) return;
  host->OpenHelpIndex(window, file);
}

}  // namespace zep
