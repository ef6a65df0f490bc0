#include "ide/problem_panel.h"

#include <algorithm>
#include <cstdio>

#include "controls/control_system.h"
#include "core/text.h"
#include "ide/editor.h"
#include "ide/editor_system.h"

namespace zep {

namespace {

// LBN_DBLCLK
constexpr int kListDoubleClick = 2;

// The byte offset where line (from 1) begins, or the text's end.
size_t LineStart(const std::string& text, int line) {
  size_t at = 0;
  for (int n = 1; n < line; ++n) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) return text.size();
    at = end + 1;
  }
  return at;
}

// The byte offset `characters` characters on from at, not past the line's end.
size_t CharactersOn(const std::string& text, size_t at, int characters) {
  for (int n = 0; n < characters && at < text.size() && text[at] != '\r' && text[at] != '\n'; ++n) {
    at += CharLength(&text[at]);
  }
  return std::min(at, text.size());
}

// The marks of the problems found, in the control's characters.
void MarkProblems() {
  editor.problem_marks.clear();
  for (const Problem& p : editor.problems) {
    int32_t start = 0, end = 0;
    ProblemRange(editor.shown, p, &start, &end);
    editor.problem_marks.push_back({RichOffsetOf(editor.shown, start),
                                    RichOffsetOf(editor.shown, end), Colour::kPlain, true});
  }
}

// The lines of the marks are coloured again when next seen.
void ForgetMarkedLines() {
  for (const ColourRun& mark : editor.problem_marks) {
    for (int32_t line = editor.colours.LineAt(mark.start);
         line <= editor.colours.LineAt(std::max(mark.start, mark.end - 1)); ++line) {
      editor.colours.Forget(line);
    }
  }
}

void ShowProblemList() {
  if (editor.problem_list == nullptr) return;
  control_system->ClearItems(editor.problem_list, false);
  for (const Problem& p : editor.problems) {
    control_system->AddItem(editor.problem_list, false, ProblemListLine(p).c_str());
  }
}

}  // namespace

std::string ProblemListLine(const Problem& problem) {
  char place[48];
  std::snprintf(place, sizeof place, "%d 行 %d 列  %s: ", problem.line, problem.column,
                SeverityName(problem.kind));
  std::string line = place + problem.message;
  if (!problem.hint.empty()) line += " " + problem.hint;
  return line;
}

void ProblemRange(const std::string& text, const Problem& problem, int32_t* start, int32_t* end) {
  size_t from = CharactersOn(text, LineStart(text, problem.line), problem.column - 1);
  size_t to = CharactersOn(text, from, std::max(problem.length, 1));
  *start = CharOffsetOf(text, from);
  *end = CharOffsetOf(text, to);
}

void ScheduleEditorCheck() {
  if (editor.problem_list != nullptr) editor_system->StartCheckTimer(editor.window, kCheckDelayMs);
}

void CheckEditorText() {
  if (editor.problem_list == nullptr) return;
  editor_system->StopCheckTimer(editor.window);
  ForgetMarkedLines();
  editor.problems = CheckScriptText(editor.shown);
  MarkProblems();
  ForgetMarkedLines();
  ShowProblemList();
  OnEditorTextPaint();
}

void ShowRunError(const Problem& problem) {
  if (editor.problem_list == nullptr) return;
  ForgetMarkedLines();
  std::vector<Problem>& found = editor.problems;
  found.erase(std::remove_if(found.begin(), found.end(),
                             [&](const Problem& p) {
                               return p.line == problem.line && p.column == problem.column;
                             }),
              found.end());
  found.insert(found.begin(), problem);
  MarkProblems();
  ForgetMarkedLines();
  ShowProblemList();
  control_system->SelectItem(editor.problem_list, false, 0);
  OnEditorTextPaint();
}

void OnProblemListCommand(int code) {
  if (code != kListDoubleClick) return;
  int32_t chosen = control_system->SelectedItem(editor.problem_list, false);
  if (chosen < 0 || static_cast<size_t>(chosen) >= editor.problems.size()) return;
  int32_t start = 0, end = 0;
  ProblemRange(editor.shown, editor.problems[static_cast<size_t>(chosen)], &start, &end);
  control_system->SetSelection(editor.text, start, end);
  control_system->SetFocusTo(editor.text);
}

void AddProblemMarks(std::vector<ColourRun>* runs) {
  if (runs->empty()) return;
  int32_t from = runs->front().start, to = runs->front().end;
  for (const ColourRun& run : *runs) from = std::min(from, run.start), to = std::max(to, run.end);
  for (const ColourRun& mark : editor.problem_marks) {
    if (mark.end > from && mark.start < to) runs->push_back(mark);
  }
}

void MapProblemMarks() {
  std::vector<ColourRun> kept;
  for (ColourRun mark : editor.problem_marks) {
    int32_t start = editor.colours.MapPosition(mark.start);
    int32_t end = editor.colours.MapPosition(mark.end);
    if (start < 0 || end < 0) continue;
    kept.push_back({start, end, Colour::kPlain, true});
  }
  editor.problem_marks = kept;
}

}  // namespace zep
