// The problem panel under the editor's text: what the checker finds in the
// text, half a second after typing stops and before each run. Each problem
// is a line of the list (its line, column, kind, message and hint) and a
// mark on its place in the text; a double-click on the line selects the
// place. The list is advice: nothing is refused because of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "checker/checker.h"
#include "ide/colour_view.h"

namespace zep {

// How long after the last change of the text the check runs.
constexpr int32_t kCheckDelayMs = 500;

// One line of the list: "12 行 5 列  エラー: message hint".
std::string ProblemListLine(const Problem& problem);

// Where a problem stands in text (Shift-JIS, CR LF), in the control's
// plain characters (a line end two), [*start, *end); cut at its line's end.
void ProblemRange(const std::string& text, const Problem& problem, int32_t* start, int32_t* end);

// The text changed: the check runs once it has rested kCheckDelayMs.
void ScheduleEditorCheck();
// The check's timer came, or a run is about to start: checks the text as it
// is and shows what it found.
void CheckEditorText();
// A run's error, after its box: said in the checker's words at the head of
// the list (in place of a problem found at the same place), and selected
// there.
void ShowRunError(const Problem& problem);
// The list's notification: a double-click selects its problem in the text.
void OnProblemListCommand(int code);
// The problems' marks that fall on the runs about to be painted.
void AddProblemMarks(std::vector<ColourRun>* runs);
// After an edit: the marks of lines the edit left alone move with them;
// the others go until the next check.
void MapProblemMarks();

}  // namespace zep
