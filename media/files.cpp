// The data-file commands: opening the script's one data file by name or
// through a dialog, bytes at absolute positions, closing it, choosing a name
// only, and measuring a file by name. Every platform call goes through
// file_system; "FILE_NAME" (file_name) keeps the last name opened or chosen.
#include "media/files.h"

#include <cstring>

#include "core/args.h"
#include "core/data_file.h"
#include "core/errors.h"
#include "core/run_settings.h"
#include "core/section_runs.h"
#include "media/filters.h"

namespace zep {

namespace {

// The `extra` of the shared handlers: which way the file is opened, or
// which dialog is shown.
constexpr int kForRead = 0;
constexpr int kForWrite = 1;

FileMode ModeOf(int way) { return way == kForWrite ? FileMode::kWrite : FileMode::kRead; }
FileDialog DialogOf(int way) { return way == kForWrite ? FileDialog::kSave : FileDialog::kOpen; }

// Code 5 when no file is open.
bool RequireOpenFile() {
  if (open_file != -1) return true;
  SetError(kErrNoFile);
  return false;
}

// Opens name as the data file; code 15, and no open file, when the platform
// cannot.
bool OpenDataFile(const char* name, FileMode mode) {
  int handle = file_system->OpenFile(name, mode);
  if (handle < 0) {
    SetError(kErrOpenFile);
    return false;
  }
  open_file = handle;
  return true;
}

// Shows the dialog and makes the chosen path the current file name. Gives
// false, with the result 0, when the user cancelled, and false alone when
// the section was stopped while the dialog was open.
bool ChooseFileName(WindowRef window, int way, const char* title, const char* filters) {
  char path[kMaxPath] = "";
  if (!file_system->ChooseFile(window, DialogOf(way), title, filters, path, sizeof path)) {
    SetResultAndAnswer(0);
    return false;
  }
  if (SectionStopped()) return false;
  CopyText(file_name, sizeof file_name, path);
  return true;
}

// OpenFileRead("FileName"), OpenFileWrite("FileName"): opens the named file
// for reading (it must exist) or writing (from empty; what is written
// replaces the file when it is closed, see core/data_file.h). Codes: 17
// while a file is open, 15 when it cannot be opened or the name is longer
// than 259 bytes. "FILE_NAME" takes the name even when the open fails.
void CmdOpenFile(WindowRef, const ArgList& args, int way) {
  if (!RefuseWhileFileOpen()) return;
  char name[kMaxStatement];
  if (!GetResolvedStrArg(args, 0, name) || !SetFileName(name)) return;
  OpenDataFile(name, ModeOf(way));
}

// OpenFileReadDlg("DlgTitle"), OpenFileWriteDlg("DlgTitle"): the open or save
// dialog with the data-file filters, then opens the chosen file. Gives 1
// opened, 0 cancelled, -1 failed (also in ANSWER). Codes 17 and 15 as above;
// 17 also when a section run during the dialog opened a file.
void CmdOpenFileDlg(WindowRef window, const ArgList& args, int way) {
  SetResultAndAnswer(-1);
  if (!RefuseWhileFileOpen() || !CheckArgCount(args, 1)) return;
  char title[kMaxStatement];
  if (!GetResolvedStrArg(args, 0, title)) return;
  if (!ChooseFileName(window, way, title, kDataFileFilters)) return;
  if (!RefuseWhileFileOpen()) return;
  if (OpenDataFile(file_name, ModeOf(way))) SetResultAndAnswer(1);
}

// CloseFile ;: closes the open file; code 5 when none is open. A file
// opened for writing then replaces the named file: code 15 when it cannot
// (another program holds the named file), which then keeps its bytes.
void CmdCloseFile(WindowRef, const ArgList&, int) {
  if (!RequireOpenFile()) return;
  if (!CloseDataFile()) SetError(kErrOpenFile);
}

// FileNameDlgR("DlgTitle","list",type), FileNameDlgW(...): the open or save
// dialog only chooses a name, which becomes "FILE_NAME". A type > 0 names
// ready filter entries by its digits (a digit 0 or 7..9: code 16); otherwise
// the list is taken as written, with backslashes after each description and
// pattern. Gives 1 chosen, 0 cancelled, -1 failed (also in ANSWER); code 17
// while a file is open.
void CmdFileNameDlg(WindowRef window, const ArgList& args, int way) {
  SetResultAndAnswer(-1);
  if (!RefuseWhileFileOpen() || !CheckArgCount(args, 3)) return;
  char title[kMaxStatement];
  char list[kMaxStatement + 2];
  int32_t type[3];
  if (!GetResolvedStrArg(args, 0, title) || !GetResolvedStrArg(args, 1, list) ||
      !GetIntArgs(window, args, 2, 2, type)) {
    return;
  }
  if (type[2] > 0 && !BuildTypeFilters(type[2], list, sizeof list)) return SetError(kErrBadValue);
  ToPlatformFilters(list, sizeof list);
  if (ChooseFileName(window, way, title, list)) SetResultAndAnswer(1);
}

// ReadFile(pos): the byte at offset pos of the open file, 0..255, or -1 at
// or beyond its end and for a negative pos. Only as a function value; ANSWER
// is left alone. Code 5 when no file is open.
void CmdReadFile(WindowRef window, const ArgList& args, int) {
  if (!RequireOpenFile()) return;
  int32_t pos[1];
  if (!GetIntArgs(window, args, 0, 0, pos)) return;
  run_state.function_result = pos[0] < 0 ? -1 : file_system->ReadByte(open_file, static_cast<uint32_t>(pos[0]));
}

// WriteFile(pos,data): writes the low 8 bits of data at offset pos (a number
// truncated toward zero); a negative pos writes nothing. Code 5 when no file
// is open, 15 when the byte cannot be written (a full disk, a file opened
// for reading): the script is told, and the named file is left as it was.
void CmdWriteFile(WindowRef window, const ArgList& args, int) {
  if (!RequireOpenFile()) return;
  int32_t pos = TruncToInt32(GetNumArg(window, args, 0));
  int32_t data[2];
  if (error_code != 0 || !GetIntArgs(window, args, 1, 1, data)) return;
  if (pos < 0) return;
  WriteDataByte(static_cast<uint32_t>(pos), static_cast<uint8_t>(data[1] & 0xFF));
}

// GetFileLength("FileName"): the length in bytes of the named file, or -1
// without an error when it cannot be opened. Only as a function value; the
// open data file is neither needed nor touched.
void CmdGetFileLength(WindowRef, const ArgList& args, int) {
  char name[kMaxStatement];
  if (!GetResolvedStrArg(args, 0, name)) return;
  run_state.function_result = static_cast<double>(file_system->FileLength(name));
}

const CommandRow kRows[] = {
    {"OpenFileRead", CmdOpenFile, kForRead, kPhaseRun, false, "r"},
    {"OpenFileWrite", CmdOpenFile, kForWrite, kPhaseRun, false, "r"},
    {"OpenFileReadDlg", CmdOpenFileDlg, kForRead, kPhaseRun, true, "*r"},
    {"OpenFileWriteDlg", CmdOpenFileDlg, kForWrite, kPhaseRun, true, "*r"},
    {"CloseFile", CmdCloseFile, 0, kPhaseRun, false, ""},
    {"FileNameDlgR", CmdFileNameDlg, kForRead, kPhaseRun, true, "*rri"},
    {"FileNameDlgW", CmdFileNameDlg, kForWrite, kPhaseRun, true, "*rri"},
    {"ReadFile", CmdReadFile, 0, kPhaseRun, true, "i"},
    {"WriteFile", CmdWriteFile, 0, kPhaseRun, false, "ni"},
    {"GetFileLength", CmdGetFileLength, 0, kPhaseRun, true, "r"},
};

}  // namespace

const CommandList file_commands = {"media", kRows, RowCount(kRows)};

}  // namespace zep
