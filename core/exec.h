// The statement executor: blocks, loop, if, call, return, end, assignments,
// and RunSection, the way every event runs script code.
#pragma once

#include <cstddef>

#include "core/command_table.h"
#include "core/common.h"

namespace zep {

// Runs the section `name` for window and reports a failure itself.
void RunSection(WindowRef window, const char* name);

// Runs the block whose `{` stands at open_pos. Gives the position where it
// stopped, or where the failing statement starts.
int ExecBlock(WindowRef window, int open_pos);

// Walks a CREATE block with the pre-pass dispatcher. Its commands are the
// installed CREATE commands, or only those of `only` when given (a dialog's
// set-up section knows fewer).
int RunCreatePass(int open_pos, const CommandList* only = nullptr);

// Text stepping over the program text; each sets code 2 when the text ends
// inside a literal or before what it looks for.
int SkipStatement(int pos);
int FindBlockOpen(int pos);
int MatchBrace(int open_pos);

// 1 or 0 for the text inside if( ); code 13 when it holds no comparison.
int EvalCondition(WindowRef window, const char* text);

// The comparison of an if( ) text when EvalCondition would accept it: its
// index (== != >= <= > <), the length of the left side and where the right
// begins; -1 when EvalCondition would set a code.
int ConditionParts(const char* text, size_t* left_length, const char** right);

// Copies the assignment at pos into text (kMaxAssignment + 1 bytes) and
// finds its last `=` outside literals: 1 when it is an assignment whose
// target may be assigned, 0 when it is no assignment, -1 with a code set.
int CutAssignment(int pos, char* text, size_t* equals);

}  // namespace zep
