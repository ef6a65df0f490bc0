// Run and Compile from the editor, and what the editor does when its run
// ends: after an error it selects the statement where the run stopped.
#include <string>

#include "core/errors.h"
#include "core/run_parts.h"
#include "core/run_settings.h"
#include "ide/debugger.h"
#include "ide/editor.h"
#include "ide/editor_system.h"
#include "ide/error_place.h"
#include "ide/problem_panel.h"
#include "ide/text_offsets.h"
#include "runtime/start.h"

namespace zep {

namespace {

bool TextEmpty() { return control_system->TextLength(editor.text) == 0; }

}  // namespace

void EditorRun() {
  if (debugger.paused) return DebugContinue();  // F5 goes on from a pause
  if (run_state.running != 0) return ShowEditorMessage(EditorMessage::kRunning);
  if (TextEmpty()) return ShowEditorMessage(EditorMessage::kEmpty);
  CheckEditorText();  // advice beside the run, never in its way
  RunFromEditor(editor.window);
}

// The whole text runs, whatever its length in bytes. A load error is shown
// in a box owned by the editor; then the failing statement is selected.
int RunFromEditor(WindowRef window) {
  editor.ran_text = control_system->GetText(editor.text);
  editor.errors_before = reported_errors;
  StartDebugging(editor.ran_text);
  StartFailure failure = PrepareRun(window, editor.ran_text.data(), editor.ran_text.size());
  if (failure != StartFailure::kNone) StopDebugging();
  if (failure == StartFailure::kLoad) {
    ShowEditorResult(kRunErrorResult);
    SelectFailingStatement();
    return 0;
  }
  if (failure != StartFailure::kNone) {
    run_state.running = 0;
    ShowEditorMessage(EditorMessage::kNoMemory);
    return 0;
  }
  if (editor_system->OpenRunWindow(window)) {
    ShowEditorResult(kRunResult);
    return 1;
  }
  FreeRunParts(nullptr);
  run_state.running = 0;
  StopDebugging();
  ShowEditorMessage(EditorMessage::kNoRunWindow);
  return 0;
}

// Compile to an executable: after its checks, the compile dialog for the
// text as it stands (not the saved file); its result is not looked at.
void EditorCompile() {
  if (run_state.running != 0) return ShowEditorMessage(EditorMessage::kRunning);
  if (TextEmpty()) return ShowEditorMessage(EditorMessage::kEmpty);
  if (editor.document.saved_path[0] == '\0') return ShowEditorMessage(EditorMessage::kSaveFirst);
  std::string text = control_system->GetText(editor.text);
  editor_system->OpenCompileDialog(editor.window, text.data(), text.size(), editor.document.saved_path);
}

// Positions of the run count in the text that ran: when the text has changed
// since, nothing is selected. An error whose box was shown is then said in
// the problem list too.
void SelectFailingStatement() {
  if (error_code == 0 || error_pos < 0 || editor.text == nullptr) return;
  std::string text = control_system->GetText(editor.text);
  if (text != editor.ran_text) return;
  size_t start = 0, end = 0;
  if (!FailingStatement(text.c_str(), error_pos, &start, &end)) return;
  control_system->SetSelection(editor.text, CharOffsetOf(text, start), CharOffsetOf(text, end));
  control_system->SetFocusTo(editor.text);
  if (reported_errors != editor.errors_before) {
    ShowRunError(ExplainRunError(text, start, end, error_code, error_name));
  }
}

void OnEditorRunEnded() {
  run_state.running = 0;
  StopDebugging();
  ShowEditorResult(reported_errors != editor.errors_before ? kRunErrorResult : kRunEndedResult);
  SelectFailingStatement();
}

}  // namespace zep
