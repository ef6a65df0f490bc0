// Cutting statements into name and arguments, and running them.
#pragma once

#include <cstddef>

#include "core/command_table.h"
#include "core/common.h"

namespace zep {

// Results that tell ExecBlock what a statement was.
enum StatementKind { kStmtDone = 0, kStmtLoop = 2, kStmtCall = 3, kStmtIf = 4,
                     kStmtReturn = 5, kStmtEnd = 6 };

// The statement at pos: the text up to the next `;` or `{` outside literals,
// copied into out (kMaxStatement + 1 bytes). Codes 3 and 2.
bool CopyStatement(const char* text, int pos, char* out);

// The bytes before the first `(`, or the whole statement.
void StatementName(const char* statement, char* out);
// The text between the first `(` and a `)` that ends the statement. Code 2
// for a literal left open.
bool StatementArgs(const char* statement, char* out);

// The kind of the control statement called name (loop, call, if, return,
// end; only loop and if in a pre-pass) and its argument count; -1 for none.
int ControlStatementKind(const char* name, bool create_pass, int* arg_count);

// Runs the statement at pos in the run phase.
int DispatchStatement(WindowRef window, int pos);
// Runs the statement at pos in a CREATE pre-pass (no window), with the
// commands of `only` when given, else the installed CREATE commands.
int ExecCreateStatement(int pos, const CommandList* only = nullptr);

}  // namespace zep
