#include "media/commands.h"

namespace zep {

namespace {

const CommandRow kRows[] = {
    // The data file and file names.
    {"OpenFileRead", CmdOpenFile, kForRead, kPhaseRun, false},
    {"OpenFileWrite", CmdOpenFile, kForWrite, kPhaseRun, false},
    {"OpenFileReadDlg", CmdOpenFileDlg, kForRead, kPhaseRun, true},
    {"OpenFileWriteDlg", CmdOpenFileDlg, kForWrite, kPhaseRun, true},
    {"CloseFile", CmdCloseFile, 0, kPhaseRun, false},
    {"FileNameDlgR", CmdFileNameDlg, kForRead, kPhaseRun, true},
    {"FileNameDlgW", CmdFileNameDlg, kForWrite, kPhaseRun, true},
    {"ReadFile", CmdReadFile, 0, kPhaseRun, true},
    {"WriteFile", CmdWriteFile, 0, kPhaseRun, false},
    {"GetFileLength", CmdGetFileLength, 0, kPhaseRun, true},
    // Through edit fields.
    {"ReadFileToEdit", CmdReadFileToEdit, 0, kPhaseRun, false},
    {"WriteFileFromEdit", CmdWriteFileFromEdit, 0, kPhaseRun, false},
    {"GetFileName", CmdGetFilePart, 0, kPhaseRun, false},
    {"GetFilePath", CmdGetFilePart, 1, kPhaseRun, false},
};

}  // namespace

const CommandList media_commands = {"media", kRows, RowCount(kRows)};

}  // namespace zep
