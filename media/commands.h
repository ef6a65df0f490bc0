// The file commands: their handlers (files.cpp), and the list of their rows
// (commands.cpp).
#pragma once

#include "core/args.h"
#include "core/command_table.h"
#include "core/common.h"

namespace zep {

extern const CommandList media_commands;

// The `extra` of the shared handlers: which way the file is opened, or
// which dialog is shown.
constexpr int kForRead = 0;
constexpr int kForWrite = 1;

// The data file and file names.
void CmdOpenFile(WindowRef window, const ArgList& args, int way);
void CmdOpenFileDlg(WindowRef window, const ArgList& args, int way);
void CmdCloseFile(WindowRef window, const ArgList& args, int);
void CmdFileNameDlg(WindowRef window, const ArgList& args, int way);
void CmdReadFile(WindowRef window, const ArgList& args, int);
void CmdWriteFile(WindowRef window, const ArgList& args, int);
void CmdGetFileLength(WindowRef window, const ArgList& args, int);

// Through edit fields (edit_files.cpp).
void CmdReadFileToEdit(WindowRef window, const ArgList& args, int);
void CmdWriteFileFromEdit(WindowRef window, const ArgList& args, int);
void CmdGetFilePart(WindowRef window, const ArgList& args, int folder);

}  // namespace zep
