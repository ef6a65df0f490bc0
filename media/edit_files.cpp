// The file commands that work through an edit field: the whole data file
// into a field and a field's text into the file, and the name or folder of
// a path inserted at a one-line field's caret.
#include "media/files.h"

#include <cstring>
#include <string>

#include "controls/control_system.h"
#include "controls/registry.h"
#include "core/args.h"
#include "core/data_file.h"
#include "core/errors.h"
#include "media/paths.h"

namespace zep {

namespace {

// The most an edit field is given from a file: far more than a script edits.
constexpr size_t kMaxEditFile = 16u * 1024u * 1024u;

// The field's ID and the open data file (code 5 when none, before the field
// is looked up); then the edit field itself, or -1.
int EditWithOpenFile(const ArgList& args) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return -1;
  if (open_file == -1) return SetError(kErrNoFile), -1;
  return LookUpControlOf(id, TypeRange::kEdit);
}

// ReadFileToEdit("ID"): the whole data file becomes the field's text; the
// file position is left at its end. A file over 16 MB gives code 20.
void CmdReadFileToEdit(WindowRef, const ArgList& args, int) {
  int index = EditWithOpenFile(args);
  if (index < 0) return;
  std::string text;
  if (!file_system->ReadAll(open_file, kMaxEditFile, &text)) return SetError(kErrMemory);
  control_system->SetText(control_table.records[index].window, text.c_str());
}

// WriteFileFromEdit("ID"): the field's text, without a terminator, at the
// file's current position. Code 15 when not all of it can be written.
void CmdWriteFileFromEdit(WindowRef, const ArgList& args, int) {
  int index = EditWithOpenFile(args);
  if (index < 0) return;
  std::string text = control_system->GetText(control_table.records[index].window);
  WriteDataBlock(text.data(), text.size());
}

// GetFileName("ID_edit","FileName") (extra 0) and GetFilePath (extra 1):
// inserts the name part, or the folder part with its last backslash, of the
// resolved path at a one-line field's caret.
void CmdGetFilePart(WindowRef, const ArgList& args, int folder) {
  char id[kMaxStatement], path[kMaxStatement];
  if (!GetStrArg(args, 0, id) || !GetStrArg(args, 1, path)) return;
  ResolveStrArg(path, sizeof path);
  int index = LookUpControlOf(id, TypeRange::kSingleLine);
  if (index < 0) return;
  std::string part = folder ? std::string(path, PathFolderLength(path))
                            : std::string(path + PathNameStart(path));
  control_system->ReplaceSelection(control_table.records[index].window, part.c_str());
}

const CommandRow kRows[] = {
    {"ReadFileToEdit", CmdReadFileToEdit, 0, kPhaseRun, false, "c"},
    {"WriteFileFromEdit", CmdWriteFileFromEdit, 0, kPhaseRun, false, "c"},
    {"GetFileName", CmdGetFilePart, 0, kPhaseRun, false, "cr"},
    {"GetFilePath", CmdGetFilePart, 1, kPhaseRun, false, "cr"},
};

}  // namespace

const CommandList edit_file_commands = {"media", kRows, RowCount(kRows)};

}  // namespace zep
