// The script checker: reads a script as the editor holds it and lists what
// will go wrong before it runs, each problem with its place and a short
// message and hint in plain Japanese (Shift-JIS, as every text of the
// program). It stands on the interpreter's own tables: the installed
// command rows with their argument letters, the functions, the reserved
// variables, the control statements, and the catalog's event sections and
// syntax lines. It runs nothing and changes no state of a run.
#pragma once

#include <string>
#include <vector>

namespace zep {

enum class Severity : unsigned char {
  kError,    // エラー: the run fails, or does nothing of what is written
  kWarning,  // 注意: it runs, but not as written
};

struct Problem {
  int line;    // from 1
  int column;  // from 1, in characters: a double-byte character is one
  int length;  // characters the problem covers, at least 1
  Severity kind;
  std::string message;  // what is wrong
  std::string hint;     // what to write instead
};

// The problems of a script, in the order of their places. text is the
// file's bytes: Shift-JIS, or UTF-8 read as a run reads it (the places are
// then counted in the same characters). Line ends may be CR LF or LF.
// Reads the command table as installed: install the subsystems first;
// a UTF-8 file is converted through host_system, which must be set.
std::vector<Problem> CheckScript(const std::string& text);
// The same for a text already in Shift-JIS with CR LF line ends, as the
// editor's text control holds it.
std::vector<Problem> CheckScriptText(const std::string& sjis);

// A run's error as the editor's list shows it once the box has closed: at
// the statement that failed, bytes [start, end) of the Shift-JIS text,
// with the box's code and name said in the checker's words and a hint
// (how many values a command takes and how many were given, the name
// meant, ...). Codes it has no words of its own for keep the box's message.
Problem ExplainRunError(const std::string& text, size_t start, size_t end, int code,
                        const std::string& name);

// "エラー" or "注意", as the editor shows a problem's kind.
const char* SeverityName(Severity kind);

}  // namespace zep
