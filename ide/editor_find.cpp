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
  control_system->SetSelection(editor.text, CharOffsetOf(text, at),
                               CharOffsetOf(text, at + wanted.size()));
  control_system->SetFocusTo(editor.text);
}

}  // namespace zep
