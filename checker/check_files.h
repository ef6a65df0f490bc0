// Checking script files in a batch, as "zep.exe --check FILE..." does for a
// teacher with a class's scripts: the option on the command line, each
// file read as a direct run reads it, and every problem of every file as
// one line of UTF-8 text. The program only writes the lines out and ends
// with the status.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "checker/checker.h"

namespace zep {

// True when the command line (the text after the program's name) starts
// with the option "--check", alone or followed by blanks; the names after
// it are then put in files, in their order. Blanks separate the names; a
// name in double quotes may hold blanks, and the quotes are dropped.
bool TakeCheckOption(const char* command_line, std::vector<std::string>* files);

// One problem as a line of text, in Shift-JIS as the problem's texts:
// "FILE(LINE,COLUMN): エラー: message hint" (注意 for a warning; the hint,
// when there is one, after a blank). Line breaks in the texts become
// blanks, and the line ends with a lone LF.
std::string ProblemLine(const std::string& file, const Problem& problem);

// A file that could not be checked, as an error line without a place:
// "FILE: エラー: reason".
std::string UnreadableLine(const std::string& file, const std::string& reason);

// The exit status for a number of errors: the number itself, but at most
// 255, so that a shell, which sees the status modulo 256, never takes many
// errors for none.
int CheckStatus(int errors);

struct CheckReport {
  std::string output;  // the lines of all files, in UTF-8
  int errors;          // the エラー lines among them, unreadable files counted
};

// Reads each file through file_system as a direct run does (Shift-JIS, or
// UTF-8 converted; at most max_script_bytes as Shift-JIS), checks it, and
// gives its lines in the order of the files and then of the problems. A
// file that cannot be read gives one line with the reason. Needs the
// subsystems installed and host_system and file_system set.
CheckReport CheckFiles(const std::vector<std::string>& files, size_t max_script_bytes);

}  // namespace zep
