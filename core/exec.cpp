#include "core/exec.h"

#include <cstring>
#include <exception>
#include <new>

#include "core/args.h"
#include "core/dispatch.h"
#include "core/errors.h"
#include "core/compiled_expr.h"
#include "core/eval.h"
#include "core/host.h"
#include "core/loader.h"
#include "core/program.h"
#include "core/run_parts.h"
#include "core/run_settings.h"
#include "core/run_watch.h"
#include "core/section_runs.h"
#include "core/statement_cache.h"
#include "core/statement_form.h"
#include "core/text.h"
#include "core/variables.h"

namespace zep {

namespace {

// Whether this build tells the debugger of statements and sections (the
// watchers of core/run_watch.h). On unless the build says ZEP_RUN_WATCH=0,
// as the benchmarks' build without the hooks does: there a run never tests
// the watcher pointers, and a debugger that sets them is not told anything.
#ifndef ZEP_RUN_WATCH
#define ZEP_RUN_WATCH 1
#endif
constexpr bool kRunWatch = ZEP_RUN_WATCH != 0;

// Code 2 for a literal or block left open, naming the statement that starts
// at start (up to end, or its first 31 bytes) rather than whatever an
// earlier statement left in the name.
void SetOpenError(int start, int end = -1) {
  size_t n = end < 0 ? 31 : static_cast<size_t>(end - start);
  SetError(kErrParen);
  SetErrorNameN(program_text + start, n < 31 ? n : 31);
}

// The start of the statement that holds pos: just after the last `;`, `{`
// or `}` before it outside literals, found from the start of the text so
// that trail bytes of double-byte characters are never taken for them.
int StatementStartBefore(int pos) {
  int start = 0;
  for (const char* p = program_text; p < program_text + pos; p += CharLength(p)) {
    if (*p == '"') {
      p = SkipLiteral(p);
      if (*p == '\0') break;
    } else if (*p == ';' || *p == '{' || *p == '}') {
      start = static_cast<int>(p + 1 - program_text);
    }
  }
  return start;
}

}  // namespace

int SkipStatement(int pos) {
  const char* p = program_text + pos;
  while (*p != '\0') {
    if (*p == '"') {
      p = SkipLiteral(p);
      if (*p == '\0') return SetOpenError(pos), static_cast<int>(p - program_text);
    } else if (*p == ';') {
      return static_cast<int>(p + 1 - program_text);
    }
    p += CharLength(p);
  }
  return static_cast<int>(p - program_text);
}

int FindBlockOpen(int pos) {
  const char* p = program_text + pos;
  while (*p != '\0') {
    if (*p == '"') {
      p = SkipLiteral(p);
      if (*p == '\0') break;
    } else if (*p == '{') {
      return static_cast<int>(p - program_text);
    }
    p += CharLength(p);
  }
  SetOpenError(pos);
  return static_cast<int>(p - program_text);
}

int MatchBrace(int open_pos) {
  const char* p = program_text + open_pos;
  int depth = 0;
  while (*p != '\0') {
    if (*p == '"') {
      p = SkipLiteral(p);
      if (*p == '\0') break;
    } else if (*p == '{') {
      ++depth;
    } else if (*p == '}' && --depth == 0) {
      return static_cast<int>(p - program_text);
    }
    p += CharLength(p);
  }
  SetOpenError(StatementStartBefore(open_pos), open_pos);
  return static_cast<int>(p - program_text);
}

namespace {

const char* const kComparisons[] = {"==", "!=", ">=", "<=", ">", "<"};

// The first comparison operator from the left: its index in kComparisons,
// or -1. At each position the two-byte operators are tried first, and `>`
// or `<` count alone only when no `=` follows.
int FindComparison(const char* text, size_t* at) {
  for (size_t i = 0; text[i] != '\0'; ++i) {
    for (int op = 0; op < 6; ++op) {
      const char* o = kComparisons[op];
      if (text[i] != o[0]) continue;
      if (o[1] != '\0' ? text[i + 1] == o[1] : text[i + 1] != '=') {
        *at = i;
        return op;
      }
    }
  }
  return -1;
}

}  // namespace

int ConditionParts(const char* text, size_t* left_length, const char** right) {
  size_t at = 0;
  int op = FindComparison(text, &at);
  if (op < 0 || at == 0) return -1;
  *right = text + at + std::strlen(kComparisons[op]);
  if (**right == '\0' || at > kMaxCondSide || std::strlen(*right) > kMaxCondSide) return -1;
  *left_length = at;
  return op;
}

namespace {

int Compare(int op, float a, float b) {
  switch (op) {
    case 0: return a == b;
    case 1: return a != b;
    case 2: return a >= b;
    case 3: return a <= b;
    case 4: return a > b;
    default: return a < b;
  }
}

// The condition of a compiled if( ), its sides compiled.
int EvalCompiledCondition(WindowRef window, const ArgList* c) {
  float a = EvalCached(window, *c->sides[0]);
  if (error_code != 0) return 0;
  float b = EvalCached(window, *c->sides[1]);
  if (error_code != 0) return 0;
  return Compare(c->comparison, a, b);
}

}  // namespace

int EvalCondition(WindowRef window, const char* text) {
  size_t at = 0;
  int op = FindComparison(text, &at);
  const char* right = op < 0 ? nullptr : text + at + std::strlen(kComparisons[op]);
  if (op < 0 || at == 0 || *right == '\0') {
    char name[kMaxStatement + 8];
    size_t n = CopyText(name, sizeof name, "if(");
    n += CopyText(name + n, sizeof name - n, text);
    CopyText(name + n, sizeof name - n, ")");
    SetError(kErrIf, name);
    return 1;
  }
  if (at > kMaxCondSide || std::strlen(right) > kMaxCondSide) return SetError(kErrTooLong), 0;
  char left[kMaxCondSide + 1];
  std::memcpy(left, text, at);
  left[at] = '\0';
  float a = EvalExpr(window, left);
  if (error_code != 0) return 0;
  float b = EvalExpr(window, right);
  if (error_code != 0) return 0;
  return Compare(op, a, b);
}

namespace {

// The leading integer of a text as atoi reads it (blanks, sign, digits),
// only to tell whether it is zero.
bool LeadingIntegerIsZero(const char* s) {
  while (*s == ' ' || *s == '\t') ++s;
  if (*s == '+' || *s == '-') ++s;
  for (; *s >= '0' && *s <= '9'; ++s) {
    if (*s != '0') return false;
  }
  return true;
}

// Whether an `=` stands outside literals between p and the statement's
// `;` (or the text's end); in_literal tells whether p is inside one.
bool HasEqualsBefore(const char* p, bool in_literal) {
  for (; *p != '\0'; ++p) {
    if (*p == '"') in_literal = !in_literal;
    if (in_literal) continue;
    if (*p == ';') return false;
    if (*p == '=') return true;
  }
  return false;
}

// Copies an assignment statement up to its `;` and finds the last `=`
// outside literals. Gives 1 with *equals set, 0 when the statement is no
// assignment, -1 on an error. Only an assignment can be too long for the
// copy: a longer statement without `=` is no assignment, as a short one.
int CopyAssignment(int pos, char* out, size_t* equals) {
  const char* p = program_text + pos;
  size_t n = 0;
  bool found = false;
  bool in_literal = false;
  for (;; ++p) {
    if (*p == '\0') return in_literal ? (SetError(kErrParen), -1) : 0;
    if (*p == '"') in_literal = !in_literal;
    if (!in_literal && *p == ';') break;
    if (!in_literal && *p == '=') *equals = n, found = true;
    if (n == kMaxAssignment) {
      out[n] = '\0';
      if (!found && !HasEqualsBefore(p, in_literal)) return 0;
      SetError(kErrTooLong);
      SetErrorNameN(out, 31);
      return -1;
    }
    out[n++] = *p;
  }
  out[n] = '\0';
  return found ? 1 : 0;
}

}  // namespace

int CutAssignment(int pos, char* text, size_t* equals) {
  int found = CopyAssignment(pos, text, equals);
  if (found <= 0) return found;
  const char* target = text;
  text[*equals] = '\0';
  // A target can't be empty or begin with a number: no variable is named so.
  if (target[0] == '\0' || target[0] == '0' || !LeadingIntegerIsZero(target)) {
    char name[kMaxAssignment + 2];
    size_t n = CopyText(name, sizeof name, target);
    name[n] = '=';
    CopyText(name + n + 1, sizeof name - n - 1, text + *equals + 1);
    SetError(kErrExpression, name);
    found = -1;
  }
  text[*equals] = '=';
  return found;
}

namespace {

struct BlockFrame {
  int resume;      // where execution goes on when the block is left
  int body_start;  // just after the `{`
  int body_end;    // the closing `}`
  int repeat;      // passes still to run, the current one included
};


// The block walker shared by ExecBlock and the CREATE pre-pass.
class BlockWalker {
 public:
  // A run-phase walk, or (create_pass) a pre-pass whose commands are looked
  // up in `only` when given, else among the installed CREATE commands.
  // A run-phase walk belongs to the section run in progress (run), which
  // is stopped when its window or the run ends while a command waits.
  BlockWalker(WindowRef window, bool create_pass, const CommandList* only = nullptr,
              const SectionRun* run = nullptr)
      : window_(window), create_pass_(create_pass), only_(only), run_(run) {}

  int Walk(int open_pos) {
    CacheUse use;
    BlockFrame& top = frames_[0];
    top.body_start = open_pos + 1;
    top.body_end = MatchBrace(open_pos);
    if (error_code != 0) return open_pos;
    top.resume = top.body_end + 1;
    top.repeat = 1;
    pos_ = top.body_start;
    // A section run that starts while the debugger looks at statements is
    // walked with its hook; any other walk has no test of it at all, so a
    // hook set while a section waits in a command (a box) takes effect from
    // the next section run.
    if (kRunWatch && statement_watch != nullptr && run_ != nullptr) return WatchedSteps();
    return Steps<false>();
  }

 private:
  [[gnu::noinline]] int WatchedSteps() { return Steps<true>(); }
  // Each walk has its own copy of the loop with everything it calls
  // inlined: the plain one is then compiled as if no hook existed.
  template <bool kWatched>
  [[gnu::flatten]] int Steps() {
    for (;;) {
      if (create_pass_ && pos_ >= frames_[0].body_end) return pos_;
      if (frames_[level_].repeat <= 0) {
        pos_ = frames_[level_--].resume;
        if (level_ < 0) return pos_;
        continue;
      }
      if (kWatched && statement_watch != nullptr && Watched()) return pos_;
      int kind = Statement();
      if (error_code != 0 || (run_ != nullptr && run_->stopped)) return pos_;
      if (!Step(kind)) return pos_;
    }
  }

  // The debugger looks at the statement about to run (and may pause there);
  // true when the run was stopped meanwhile.
  bool Watched() {
    statement_watch(window_, pos_, call_depth_);
    return error_code != 0 || run_->stopped;
  }

  // Acts on one statement's result; false when the section is finished or failed.
  bool Step(int kind) {
    switch (kind) {
      case kStmtLoop: return EnterLoop();
      case kStmtIf: return EnterIf();
      case kStmtCall: return EnterCall();
      case kStmtReturn: return Return();
      case kStmtEnd: return End();
      default: return NextStatement();
    }
  }

  // Runs the statement at pos_. A command, an evaluation or the cache that
  // can't get memory fails the statement with code 20 (or the command's
  // own code, when it set one first).
  int Statement() {
    try {
      at_ = Form();
      return RunForm(window_, at_);
    } catch (const std::bad_alloc&) {
      if (error_code == 0) SetError(kErrMemory);
      return kStmtDone;
    }
  }

  // The form of the statement at pos_: the cache's, kept for the run, or
  // the walk's own, cut afresh (the CREATE pre-pass, a run without the cache).
  StatementForm* Form() {
    if (!create_pass_) {
      if (StatementForm* cached = CachedStatementAt(pos_)) return cached;
    }
    RefillForm(&scratch_, pos_, FormPhase{create_pass_, only_, false});
    return &scratch_;
  }

  // Where the statement after the one at pos_ starts.
  int NextPos() {
    if (at_->next >= 0) return at_->next;
    int next = SkipStatement(pos_);
    if (error_code == 0) at_->next = next;
    return next;
  }

  // The `{` of the block that follows the statement at pos_, and its `}`.
  bool BlockAt(int* open, int* close) {
    if (at_->block_close < 0) {
      at_->block_open = FindBlockOpen(pos_);
      if (error_code != 0) return false;
      at_->block_close = MatchBrace(at_->block_open);
      if (error_code != 0) return at_->block_close = -1, false;
    }
    *open = at_->block_open;
    *close = at_->block_close;
    return true;
  }

  bool NextStatement() {
    pos_ = NextPos();
    if (error_code != 0) return false;
    BlockFrame& f = frames_[level_];
    if (pos_ < f.body_end) return true;
    if (f.repeat > 1) {
      --f.repeat;
      pos_ = f.body_start;
      return true;
    }
    if (call_depth_ > 0 && level_ == call_levels_[call_depth_]) --call_depth_;
    pos_ = f.resume;
    return --level_ >= 0;
  }

  // Opens a new block level; code 19 at the 128th.
  bool Push() {
    if (level_ + 1 >= kMaxLevels) return SetError(kErrNesting), false;
    ++level_;
    return true;
  }

  // Enters the block that follows the statement at pos_.
  bool EnterBlock(int repeat) {
    BlockFrame& f = frames_[level_];
    f.repeat = repeat;
    int open, close;
    if (!BlockAt(&open, &close)) return false;
    f.body_start = open + 1;
    f.body_end = close;
    f.resume = f.body_end + 1;
    pos_ = f.body_start;
    return true;
  }

  bool EnterLoop() {
    if (!Push()) return false;
    int32_t count[1];
    if (!GetIntArgs(window_, at_->args, 0, 0, count)) return false;
    return EnterBlock(count[0]);
  }

  // The condition of the if at pos_: 1 or 0.
  int Condition() {
    const ArgList& args = at_->args;
    if (args.comparison >= 0) return EvalCompiledCondition(window_, &args);
    return EvalCondition(window_, args.text.c_str());
  }

  bool EnterIf() {
    int taken = Condition();
    if (error_code != 0) return false;
    if (taken) return Push() && EnterBlock(1);
    int open, close;
    if (!BlockAt(&open, &close)) return false;
    pos_ = close + 1;
    return true;
  }

  // The `{` and `}` of the section that the call at pos_ names.
  bool SectionAt(int* open, int* close) {
    if (at_->section_close < 0) {
      char name[kMaxStatement];
      if (!GetStrArg(at_->args, 0, name)) return false;
      at_->section_open = FindSection(name);
      if (error_code != 0) return false;
      at_->section_close = MatchBrace(at_->section_open);
      if (error_code != 0) return at_->section_close = -1, false;
    }
    *open = at_->section_open;
    *close = at_->section_close;
    return true;
  }

  bool EnterCall() {
    if (!Push()) return false;
    ++call_depth_;
    call_levels_[call_depth_] = level_;
    BlockFrame& f = frames_[level_];
    f.repeat = 1;
    f.resume = NextPos();
    if (error_code != 0) return false;
    int open, close;
    if (!SectionAt(&open, &close)) return false;
    f.body_start = open + 1;
    f.body_end = close;
    pos_ = f.body_start;
    return true;
  }

  bool Return() {
    if (call_depth_ == 0) return false;
    level_ = call_levels_[call_depth_--];
    pos_ = frames_[level_--].resume;
    return true;
  }

  // `end` also ends the sections of this window that wait for a command of
  // theirs to return: they must not go on after the window was told to close.
  bool End() {
    if (run_state.running && !run_state.dialog_open) run_state.running = 0;
    run_state.dialog_open = 0;
    StopSectionRuns(window_);
    host_system->PostCloseRequest(window_);
    return false;
  }

  WindowRef window_;
  bool create_pass_;
  const CommandList* only_;
  const SectionRun* run_;
  BlockFrame frames_[kMaxLevels];
  int call_levels_[kMaxLevels + 1] = {};
  int call_depth_ = 0;
  int level_ = 0;
  int pos_ = 0;
  StatementForm* at_ = nullptr;  // the form of the statement at pos_
  StatementForm scratch_;
};

}  // namespace

int ExecBlock(WindowRef window, int open_pos) {
  BlockWalker walker(window, false);
  return walker.Walk(open_pos);
}

int RunCreatePass(int open_pos, const CommandList* only) {
  BlockWalker walker(nullptr, true, only);
  return walker.Walk(open_pos);
}

namespace {

// What a nested section run may change of the dispatcher's state that the
// command waiting below it still relies on: the name its error names, and
// the value it is about to hand back.
struct DispatchState {
  DispatchState() : result(run_state.function_result) { CopyText(name, sizeof name, error_name); }
  void Restore() const {
    CopyText(error_name, sizeof error_name, name);
    run_state.function_result = result;
  }
  char name[sizeof error_name];
  double result;
};

// Tells the debugger of a section run from its start to its end, however
// it ends.
struct WatchedSection {
  WatchedSection(WindowRef window, const char* name, int open) : window(window), name(name) {
    if (kRunWatch && run_watch != nullptr) run_watch->SectionStarted(window, name, open);
  }
  ~WatchedSection() {
    if (kRunWatch && run_watch != nullptr) run_watch->SectionEnded(window, name);
  }
  WindowRef window;
  const char* name;
};

void RunSectionIn(SectionRun* run, WindowRef window, const char* name) {
  int open = FindSection(name);
  if (error_code != 0) {
    if (std::strcmp(name, "CLOSE") == 0) {
      run_state.running = 0;
    } else {
      ClearError();
    }
    return;
  }
  int pos = open;
  WatchedSection watched(window, name, open);
  try {
    if (section_starting != nullptr) section_starting(name);
    BlockWalker walker(window, false, nullptr, run);
    pos = walker.Walk(open);
  } catch (const std::bad_alloc&) {
    if (error_code == 0) SetError(kErrMemory);
  }
  if (error_code == 0 || run->stopped) return;
  error_pos = pos;
  // The sections that wait below this one end with it, without a box of
  // their own.
  StopSectionRuns(nullptr);
  StopRunParts(window);
  ReportError(window, error_code, program_text, pos);
  if (kRunWatch && run_watch != nullptr) run_watch->ErrorReported(window, pos);
  run_state.running = 0;
  host_system->PostCloseRequest(window);
}

// A fault of the interpreter itself (an exception no command expects) is
// reported in a box of its own, and the run ends as after an error.
void ReportInternalFault(SectionRun* run, WindowRef window, const char* what) {
  char message[512];
  BuildFaultMessage(what, run->name, "", message, sizeof message);
  StopSectionRuns(nullptr);
  StopRunParts(window);
  if (error_code == 0) SetError(kErrInternal);
  host_system->ShowMessage(window, message, "ZEP Error", kBoxOk | kBoxIconError);
  run_state.running = 0;
  host_system->PostCloseRequest(window);
}

}  // namespace

void RunSection(WindowRef window, const char* name) {
  // Once an error is reported nothing else runs: events that arrive while
  // the error box is open are ignored until the window has closed.
  if (error_code != 0) return;
  DispatchState saved;
  SectionRun run;
  if (!EnterSectionRun(&run, window, name)) return;
  try {
    RunSectionIn(&run, window, name);
  } catch (const std::exception& e) {
    ReportInternalFault(&run, window, e.what());
  } catch (...) {
    ReportInternalFault(&run, window, "例外");
  }
  LeaveSectionRun(&run);
  if (error_code == 0 && run.outer != nullptr) saved.Restore();
}

}  // namespace zep
