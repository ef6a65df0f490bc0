// What the editor's text control shows beside the text itself. Colours come
// from the language's tables (colour_view); they are given to the lines
// about to be painted, so that a large script is never coloured all at once.
#include <algorithm>
#include <cstdio>
#include <string>

#include "assist/reference_entries.h"
#include "core/text.h"
#include "ide/editing_rules.h"
#include "ide/debugger.h"
#include "ide/editor.h"
#include "ide/editor_system.h"
#include "ide/problem_panel.h"

namespace zep {

namespace {

constexpr char kZoomSetting[] = "zoom";
constexpr int32_t kZoomSteps[] = {50, 60, 70, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
constexpr int32_t kLeastDigits = 3;

enum StatusPart { kPlacePart, kChangedPart, kResultPart };

// Runs of the control coloured as the editor does, out of the undo history.
void Paint(const std::vector<ColourRun>& runs, bool marked) {
  if (runs.empty()) return;
  editor.colouring = true;
  editor_system->ColourRuns(editor.text, runs.data(), runs.size(), marked);
  editor.colouring = false;
}

// The text's line count sets the margin: at least three digits.
void FitNumberMargin() {
  int32_t digits = kLeastDigits;
  for (int32_t n = editor.colours.LineCount(); n >= 1000; n /= 10) ++digits;
  if (digits == editor.digits) return;
  editor.digits = digits;
  editor_system->SetNumberMargin(editor.text, digits);
}

void Unmark() {
  std::vector<ColourRun> runs;
  for (int32_t& mark : editor.marks) {
    if (mark >= 0) runs.push_back({mark, mark + 1, Colour::kPlain});
    mark = -1;
  }
  Paint(runs, false);
}

// The line before byte offset at, from its start.
std::string LineBefore(const std::string& text, size_t at, size_t* start) {
  size_t from = at >= 2 ? text.rfind("\r\n", at - 2) : std::string::npos;
  *start = from == std::string::npos ? 0 : from + 2;
  return text.substr(*start, at - *start);
}

// The selection in bytes of the shown text.
void ByteSelection(size_t* start, size_t* end) {
  int32_t s = 0, e = 0;
  control_system->GetSelection(editor.text, &s, &e);
  *start = ByteOffsetOf(editor.shown, std::min(s, e));
  *end = ByteOffsetOf(editor.shown, std::max(s, e));
}

// Replaces bytes [start, end) of the shown text with text, one step of
// the undo history; the caret stands after it.
void ReplaceBytes(size_t start, size_t end, const std::string& text) {
  control_system->SetSelection(editor.text, CharOffsetOf(editor.shown, start),
                               CharOffsetOf(editor.shown, end));
  control_system->ReplaceSelection(editor.text, text.c_str());
}

}  // namespace

std::string CaretPlace(const std::string& text, int32_t caret) {
  size_t at = ByteOffsetOf(text, caret);
  size_t start = 0;
  LineBefore(text, at, &start);
  int32_t line = 1;
  for (size_t i = text.find("\r\n"); i != std::string::npos && i < start; i = text.find("\r\n", i + 2)) {
    ++line;
  }
  char place[64];
  std::snprintf(place, sizeof place, "行 %d  列 %d", line,
                CharOffsetOf(text.substr(start), at - start) + 1);
  return place;
}

void ShowNewText(const char* bytes) {
  editor_system->LoadText(editor.text, bytes, editor.zoom);
  editor.shown = control_system->GetText(editor.text);
  editor.colours.Reset(editor.shown);
  editor.marks[0] = editor.marks[1] = -1;
  editor.problem_marks.clear();
  DropBreakpoints();
  FitNumberMargin();
  ShowEditorChanged();
  OnEditorSelectionChanged();
  CheckEditorText();
}

void OnEditorTextChanged() {
  if (editor.colouring) return;
  editor.document.clean = 0;
  editor.shown = control_system->GetText(editor.text);
  for (int32_t& mark : editor.marks) mark = editor.colours.MapPosition(mark);
  editor.colours.Update(editor.shown);
  MapProblemMarks();
  MapBreakpoints();
  ScheduleEditorCheck();
  FitNumberMargin();
  ShowEditorChanged();
  OnEditorSelectionChanged();  // the control told of the selection before the text
}

void OnEditorTextPaint() {
  int32_t first = 0, last = 0;
  editor_system->ShownLines(editor.text, &first, &last);
  std::vector<ColourRun> runs = editor.colours.Take(first, last + 1);
  AddProblemMarks(&runs);
  Paint(runs, false);
}

// The caret's place, and the bracket at the caret (or just before it) and
// the one that matches it marked.
void OnEditorSelectionChanged() {
  int32_t s = 0, e = 0;
  control_system->GetSelection(editor.text, &s, &e);
  if (editor.status != nullptr) {
    editor_system->SetStatusText(editor.status, kPlacePart, CaretPlace(editor.shown, e).c_str());
  }
  Unmark();
  if (s != e) return;
  size_t at = ByteOffsetOf(editor.shown, e);
  size_t match = MatchingBracket(editor.shown, at);
  if (match == std::string::npos && at > 0) match = MatchingBracket(editor.shown, at = at - 1);
  if (match == std::string::npos) return;
  int32_t a = RichOffsetOf(editor.shown, CharOffsetOf(editor.shown, at));
  int32_t b = RichOffsetOf(editor.shown, CharOffsetOf(editor.shown, match));
  editor.marks[0] = a;
  editor.marks[1] = b;
  Paint({{a, a + 1, Colour::kPlain}, {b, b + 1, Colour::kPlain}}, true);
}

bool OnEditorTextChar(unsigned character) {
  if (character != '\r' && character != '}') return false;
  size_t start = 0, end = 0, line_start = 0;
  ByteSelection(&start, &end);
  std::string line = LineBefore(editor.shown, start, &line_start);
  if (character == '\r') {
    ReplaceBytes(start, end, "\r\n" + IndentAfterEnter(line));
    return true;
  }
  std::string before = IndentBeforeCloseBrace(line);
  if (before == line || start != end) return false;
  ReplaceBytes(line_start, start, before + "}");
  return true;
}

// Only a selection that reaches over a line's end moves lines; the lines
// stay selected, whole.
bool OnEditorTextTab(bool shift) {
  size_t start = 0, end = 0, first = 0;
  ByteSelection(&start, &end);
  std::string selected = editor.shown.substr(start, end - start);
  if (selected.find("\r\n") == std::string::npos && !shift) return false;
  LineBefore(editor.shown, start, &first);
  size_t last = editor.shown.find("\r\n", end > start && end >= 2 &&
                                              editor.shown.compare(end - 2, 2, "\r\n") == 0
                                              ? end - 2 : end);
  if (last == std::string::npos) last = editor.shown.size();
  std::string moved = IndentLines(editor.shown.substr(first, last - first), shift);
  ReplaceBytes(first, last, moved);
  int32_t from = CharOffsetOf(editor.shown, first);
  control_system->SetSelection(editor.text, from, from + CharOffsetOf(moved, moved.size()));
  return true;
}

// The selection's first line (blanks around it dropped), else the name at
// the caret.
void EditorHelpOnWord() {
  size_t start = 0, end = 0;
  ByteSelection(&start, &end);
  std::string name = WordAt(editor.shown, start);
  if (end > start) {
    std::string selected = editor.shown.substr(start, end - start);
    selected = selected.substr(0, selected.find("\r\n"));
    size_t from = selected.find_first_not_of(" \t"), to = selected.find_last_not_of(" \t");
    name = from == std::string::npos ? "" : selected.substr(from, to - from + 1);
  }
  if (name.empty()) {
    OnEditorCommand(kCmdHelpIndex, 0);
    return;
  }
  editor_system->HelpOn(editor.window, name.c_str(), FindReferenceEntry(name) != nullptr);
}

int32_t NextZoom(int32_t percent, int step) {
  if (step == 0) return 100;
  const int32_t* steps = kZoomSteps;
  const int32_t count = sizeof kZoomSteps / sizeof kZoomSteps[0];
  if (step > 0) {
    for (int32_t i = 0; i < count; ++i) {
      if (steps[i] > percent) return steps[i];
    }
    return steps[count - 1];
  }
  for (int32_t i = count - 1; i >= 0; --i) {
    if (steps[i] < percent) return steps[i];
  }
  return steps[0];
}

void ZoomEditorText(int step) {
  editor.zoom = NextZoom(editor.zoom, step);
  editor_system->ZoomText(editor.text, editor.zoom);
  editor_system->SetNumberMargin(editor.text, editor.digits);
  editor_system->WriteSetting(kZoomSetting, editor.zoom);
}

// The size kept from the last run, as the nearest step at or above it.
void RestoreEditorZoom() {
  editor.zoom = NextZoom(editor_system->ReadSetting(kZoomSetting, 100) - 1, 1);
  if (editor.zoom != 100) editor_system->ZoomText(editor.text, editor.zoom);
}

void ShowEditorChanged() {
  if (editor.status == nullptr) return;
  editor_system->SetStatusText(editor.status, kChangedPart, editor.document.clean != 0 ? "" : "変更あり");
}

void ShowEditorResult(const char* text) {
  if (editor.status != nullptr) editor_system->SetStatusText(editor.status, kResultPart, text);
}

}  // namespace zep
