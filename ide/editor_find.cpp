// Find down: the search box's string, searched in the script text from the
// selection's start on. The box's list keeps the strings searched for, the
// latest first. The text control counts characters while the search counts
// bytes, so the selection is converted both ways.
#include <string>

#include "core/common.h"
#include "ide/editor.h"
#include "ide/text_offsets.h"

namespace zep {

namespace {

// The search string holds at most 511 bytes (whole characters).
constexpr size_t kSearchBytes = 512;

std::string SearchString() {
  std::string typed = control_system->GetText(editor.search);
  char cut[kSearchBytes];
  CopyText(cut, sizeof cut, typed.c_str());
  return cut;
}

// The string moves to the top of the list, once.
void RememberSearch(const std::string& wanted) {
  int32_t count = control_system->ItemCount(editor.search, true);
  for (int32_t i = 0; i < count; ++i) {
    if (control_system->ItemText(editor.search, true, i) != wanted) continue;
    control_system->DeleteItem(editor.search, true, i);
    control_system->SetText(editor.search, wanted.c_str());
    break;
  }
  control_system->InsertItem(editor.search, true, 0, wanted.c_str());
}

}  // namespace

namespace {

void SelectFound(const std::string& text, size_t at, size_t length) {
  control_system->SetSelection(editor.text, CharOffsetOf(text, at), CharOffsetOf(text, at + length));
  control_system->SetFocusTo(editor.text);
}

}  // namespace

void EditorFindDown() {
  std::string wanted = SearchString();
  if (wanted.empty()) return;
  RememberSearch(wanted);
  std::string text = control_system->GetText(editor.text);
  if (text.empty()) return ShowEditorMessage(EditorMessage::kEmpty);
  int32_t start = 0, end = 0;
  control_system->GetSelection(editor.text, &start, &end);
  size_t at = FindDown(text, ByteOffsetOf(text, start), wanted);
  if (at == std::string::npos) return ShowEditorMessage(EditorMessage::kNotFound);
  SelectFound(text, at, wanted.size());
}

void EditorFocusSearch() {
  control_system->SetFocusTo(editor.search);
  control_system->SetSelection(editor.search, 0, -1);
}

// Without a string in the search box, the selected text is looked for.
void EditorFindNext() {
  std::string text = control_system->GetText(editor.text);
  int32_t start = 0, end = 0;
  control_system->GetSelection(editor.text, &start, &end);
  std::string wanted = SearchString();
  if (wanted.empty()) {
    size_t from = ByteOffsetOf(text, start);
    wanted = text.substr(from, ByteOffsetOf(text, end) - from);
    if (wanted.empty()) return EditorFocusSearch();
    control_system->SetText(editor.search, wanted.c_str());
  }
  RememberSearch(wanted);
  size_t at = FindDown(text, ByteOffsetOf(text, start), wanted);
  if (at != std::string::npos) {
    ShowEditorResult("");
  } else if (text.compare(0, wanted.size(), wanted) == 0) {
    at = 0;
    ShowEditorResult(kFindWrapped);
  } else if ((at = FindDown(text, 0, wanted)) != std::string::npos) {
    ShowEditorResult(kFindWrapped);
  } else {
    return ShowEditorResult(kFindNone);
  }
  SelectFound(text, at, wanted.size());
}

}  // namespace zep
