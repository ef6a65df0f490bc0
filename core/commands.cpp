#include "core/commands.h"

#include <cstring>

#include "core/args.h"
#include "core/errors.h"
#include "core/host.h"
#include "core/variables.h"

namespace zep {

namespace {

// Data("name",SizeY,SizeX): declares an array in the CREATE section. The
// variable count is checked before the argument count.
void CmdData(WindowRef window, const ArgList& args, int) {
  if (variable_store.variable_count >= kMaxVariables) return SetError(kErrTooManyVars);
  if (!CheckArgCount(args, 3)) return;
  int32_t size[3];
  if (!GetIntArgs(window, args, 1, 2, size)) return;
  char name[kMaxStatement];
  if (!GetStrArg(args, 0, name)) return;
  uint32_t rows = static_cast<uint32_t>(size[1]), cols = static_cast<uint32_t>(size[2]);
  if (rows == 0 || cols == 0) return SetError(kErrBadValue);
  if (rows > kMaxCells || cols > kMaxCells || rows * cols > kMaxCells) {
    return SetError(kErrArrayRange);
  }
  if (FindVariable(name, std::strlen(name)) >= 0) return SetError(kErrArrayName);
  if (std::strlen(name) > static_cast<size_t>(kMaxToken)) return SetError(kErrTooLong);
  CreateArray(name, static_cast<uint16_t>(rows), static_cast<uint16_t>(cols));
}

// DataInit("name",data): sets every cell of an array.
void CmdDataInit(WindowRef window, const ArgList& args, int) {
  char name[kMaxStatement];
  if (!GetStrArg(args, 0, name)) return;
  float data = GetNumArg(window, args, 1);
  if (error_code != 0) return;
  int i = FindVariable(name, std::strlen(name));
  if (i < 0 || (variable_store.rows[i] == 1 && variable_store.cols[i] == 1)) return SetError(kErrNoArray);
  size_t cells = static_cast<size_t>(variable_store.rows[i]) * variable_store.cols[i];
  double* cell = VariableCells(i);
  for (size_t c = 0; c < cells; ++c) cell[c] = data;
}

// Fetches the one string argument, resolved to what it stands for.
bool GetResolvedString(const ArgList& args, char* text) {
  if (!GetStrArg(args, 0, text)) return false;
  ResolveStrArg(text, kMaxStatement);
  return true;
}

// WinExec("command line"): starts a program; a failure only warns.
void CmdWinExec(WindowRef window, const ArgList& args, int) {
  char command[kMaxStatement + 32];
  if (!GetResolvedString(args, command)) return;
  if (host_system->StartProgram(command) >= 32) return;
  char warning[kMaxStatement + 32];
  size_t n = CopyText(warning, sizeof warning, command);
  CopyText(warning + n, sizeof warning - n, " を実行できません");
  host_system->ShowMessage(window, warning, "ZEP Warning", kBoxOk | kBoxIconExclamation);
}

// WinHelp("file"): opens a help file at its index.
void CmdWinHelp(WindowRef window, const ArgList& args, int) {
  char file[kMaxStatement];
  if (!GetResolvedString(args, file)) return;
  host_system->OpenHelpIndex(window, file);
}

const CommandRow kRows[] = {
    // Arrays.
    {"Data", CmdData, 0, kPhaseCreate, false, "*vii"},
    {"DataInit", CmdDataInit, 0, kPhaseBoth, false, "vn"},
    // Programs and help.
    {"WinExec", CmdWinExec, 0, kPhaseRun, false, "r"},
    {"WinHelp", CmdWinHelp, 0, kPhaseRun, false, "r"},
};

}  // namespace

const CommandList core_commands = {"core", kRows, RowCount(kRows)};

}  // namespace zep
