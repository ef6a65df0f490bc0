#include "core/commands.h"

#include "core/args.h"
#include "core/errors.h"
#include "core/host.h"
#include "core/variables.h"

namespace zep {

namespace {

// Fetches the one string argument, resolved to what it stands for.
bool GetResolvedString(const ArgList& args, char* text) {
  if (!CheckArgCount(args, 1) || !GetStrArg(args, 0, text)) return false;
  ResolveStrArg(text, kMaxStatement);
  return true;
}

}  // namespace

// WinExec("command line"): starts a program; a failure only warns.
void CmdWinExec(WindowRef window, const ArgList& args, int) {
  char command[kMaxStatement + 32];
  if (!GetResolvedString(args, command)) return;
  if (host->StartProgram(command) >= 32) return;
  char warning[kMaxStatement + 32];
  size_t n = CopyText(warning, sizeof warning, command);
  CopyText(warning + n, sizeof warning - n, " を実行できません");
  host->ShowMessage(window, warning, "ZEP Warning", kBoxOk | kBoxIconExclamation);
}

// WinHelp("file"): opens a help file at its index.
void CmdWinHelp(WindowRef window, const ArgList& args, int) {
  char file[kMaxStatement];
  if (!GetResolvedString(args, file)) return;
  host->OpenHelpIndex(window, file);
}

namespace {

const CommandRow kRows[] = {
    // Arrays.
    {"Data", CmdData, 0, kPhaseCreate, false},
    {"DataInit", CmdDataInit, 0, kPhaseBoth, false},
    // Programs and help.
    {"WinExec", CmdWinExec, 0, kPhaseRun, false},
    {"WinHelp", CmdWinHelp, 0, kPhaseRun, false},
};

}  // namespace

const CommandList core_commands = {"core", kRows, RowCount(kRows)};

}  // namespace zep
