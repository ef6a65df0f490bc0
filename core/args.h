// A statement's argument list and the helpers every command handler
// fetches its arguments through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/command_table.h"
#include "core/common.h"
#include "core/compiled_expr.h"

namespace zep {

// The text between a statement's parentheses, cut into its arguments once.
// A list made for the statement cache has each argument compiled; a plain
// list (the CREATE pre-pass, a command called inside an expression, a run
// without the cache) keeps the text alone and the helpers evaluate it with
// EvalExpr. Either way the helpers give the same values and codes.
struct ArgList {
  std::string text;
  int count = 0;  // CountArgs(text)
  std::vector<std::unique_ptr<CompiledExpr>> pieces;  // compiled lists; null: not located
  // The text of an if( ) in a compiled list: its comparison (-1: left to
  // EvalCondition) and sides.
  int comparison = -1;
  std::unique_ptr<CompiledExpr> sides[2];
  // The command whose arguments these are (nullptr for a control
  // statement): the helpers count each read its letters do not allow.
  const CommandRow* row = nullptr;
};

// While watch_declared_reads is set (by the tests), the reads of a
// command's arguments that its row does not declare are counted, and the
// first of them kept ("Box argument 3 read as text"); tests see none.
extern bool watch_declared_reads;
extern int undeclared_reads;
extern char first_undeclared_read[96];

// Cuts text into an argument list, compiling each argument (and, for an
// if( ), the condition's sides) when compile is set.
void MakeArgList(const char* text, bool compile, bool condition, ArgList* out);

// Exactly n arguments: count = 1 + the commas outside literals at depth 0.
// Too few sets code 8; too many, or an empty text when n > 0, code 23.
bool CheckArgCount(const char* args, int n);
bool CheckArgCount(const ArgList& args, int n);

// Number of arguments in the text (0 for an empty text).
int CountArgs(const char* args);

// Finds argument k. Gives its start and length, or false when there are fewer
// arguments (code 8) or a parenthesis is still open at the end (code 2).
bool LocateArg(const char* args, int k, const char** start, size_t* length);
// The same without setting a code: gives 0, or the code LocateArg would set.
int FindArg(const char* args, int k, const char** start, size_t* length);

// Evaluates arguments first..last and stores each, truncated toward zero,
// in out[k] where k is the argument's own index.
bool GetIntArgs(WindowRef window, const ArgList& args, int first, int last, int32_t* out);

// CheckArgCount(args, n), then GetIntArgs for arguments 0..n-1: the start of
// a handler that checks its count itself (its row's letters begin with '*').
bool GetAllIntArgs(WindowRef window, const ArgList& args, int n, int32_t* out);

// Evaluates argument i as a 32-bit float, not truncated.
float GetNumArg(WindowRef window, const ArgList& args, int i);
// The same for argument i of a text (an array element in an expression).
float GetNumArg(WindowRef window, const char* args, int i);

// Copies the literal of argument i (without quotes) into out, which holds
// kMaxStatement bytes. Code 9 when the argument holds no complete literal.
bool GetStrArg(const ArgList& args, int i, char* out);

// Turns a string argument into what it stands for: the text of a one-line
// edit control with that ID, or the current file name for "FILE_NAME".
// Gives 1 when replaced, 0 for another control, -1 when left as written.
int ResolveStrArg(char* s, size_t cap);

// GetStrArg, then ResolveStrArg; out holds kMaxStatement bytes.
bool GetResolvedStrArg(const ArgList& args, int i, char* out);

// Makes name what "FILE_NAME" stands for; a name too long for it is refused
// with code 15 and "FILE_NAME" keeps its old text.
bool SetFileName(const char* name);

// Index of the first control with ID s; -2 for "FILE_NAME"; else code 24 and -1.
int FindControlIndex(const char* s);

// The file that "FILE_NAME" stands for.
extern char file_name[kMaxPath];

}  // namespace zep
