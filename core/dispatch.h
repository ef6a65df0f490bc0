// Cutting a statement of the program text into its name and arguments.
#pragma once

#include <cstddef>

#include "core/common.h"

namespace zep {

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

}  // namespace zep
