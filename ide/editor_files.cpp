// New, Open, Save and Save As, and the question before an edited text is
// dropped. The document's names change only when a load or a write has
// succeeded: a refused file or a failed write leaves them as they were, so
// that the next Save cannot write the text over a file it did not come from.
#include <string>

#include "core/args.h"
#include "core/data_file.h"
#include "core/script_text.h"
#include "core/host.h"
#include "core/text.h"
#include "ide/editing_rules.h"
#include "ide/editor.h"
#include "ide/editor_system.h"
#include "ide/recovery.h"

namespace zep {

namespace {

constexpr int kYes = 6, kNo = 7;

// Program files first, then every file.
constexpr char kScriptFilters[] = "プログラム(*.zep)\0*.zep\0全ファイル(*.*)\0*.*\0";

int Ask(const char* caption, const char* text, unsigned buttons) {
  return host_system->ShowMessage(editor.window, text, caption, buttons | kBoxIconQuestion);
}

bool TextEmpty() { return control_system->TextLength(editor.text) == 0; }

// Asks for a file; path and name start as the document's names.
bool ChooseFile(bool save, const char* title, char* path, char* name) {
  CopyText(path, kMaxPath, editor.document.file_path);
  CopyText(name, kMaxPath, editor.document.file_title);
  return editor_system->ChooseScriptFile(editor.window, save, title, kScriptFilters, path, name);
}

// A script is text in Shift-JIS, or in UTF-8, which is converted. A file
// that cannot be read, or holds 65,535 bytes or more as Shift-JIS, gives
// "ファイルを開けません"; one in UTF-16 or in no encoding a script can have
// (NUL bytes among them, which would cut the text short and a later save
// would lose the rest) gives what is wrong. Gives "" when the text is read.
std::string ReadScript(const char* path, std::string* text) {
  std::string bytes;
  size_t limit = (kMaxEditorFileBytes - 1) * 3 / 2 + 3;  // UTF-8 is up to half again as long
  if (file_system->ReadWholeFile(path, limit, &bytes) != WholeFile::kRead) return kFileError;
  int line = 0;
  ScriptText read = DecodeScriptText(bytes.data(), bytes.size(), text, &line);
  if (read != ScriptText::kRead) return ScriptTextMessage(read, line);
  return text->size() < kMaxEditorFileBytes ? "" : kFileError;
}

// The whole text, written through a temporary file that replaces the file
// only when every byte was written.
bool WriteScript(const char* path) {
  std::string text = control_system->GetText(editor.text);
  return file_system->ReplaceWholeFile(path, text.data(), text.size());
}

bool SaveTo(const char* path, const char* name) {
  if (!WriteScript(path)) {
    ShowEditorError(kFileError);
    return false;
  }
  NameDocument(editor.document, path, name);
  ShowEditorResult(kSavedResult);
  ForgetRecoveryCopy();
  return true;
}

}  // namespace

namespace {

// Saves a changed text before it is dropped: in place when the document
// has a name, through Save As when it has none. True when it was saved.
bool SaveBeforeDrop() {
  if (editor.document.saved_path[0] == '\0') return EditorSaveAs(false);
  if (TextEmpty()) {
    ShowEditorMessage(EditorMessage::kEmpty);
    return false;
  }
  return SaveTo(editor.document.file_path, editor.document.file_title);
}

}  // namespace

// Yes saves, and the New, Open or close asked for follows once the text is
// saved; a save that fails or is cancelled carries out nothing. A text the
// user lets go has its recovery copy removed with it.
bool MayDropText(DropAction action) {
  bool may = true;
  if (editor.document.clean == 0) {
    DropQuestion q = DropQuestionOf(action);
    int answer = Ask(q.caption, q.text, kBoxYesNoCancel);
    may = answer == kYes ? SaveBeforeDrop() : answer == kNo;
  }
  if (may) ForgetRecoveryCopy();
  return may;
}

// The text is emptied and counts as saved; the standard program is offered
// (pasting it is a change).
void EditorNew() {
  if (!MayDropText(DropAction::kNew)) return;
  editor.document.saved_path[0] = '\0';
  SetEditorTitle("");
  editor_system->SelectAll(editor.text);
  control_system->EditCommand(editor.text, EditOp::kClear);
  editor.document.clean = 1;
  if (Ask("新規作成", "標準的な\nＺＥＰプログラムを\n貼付けますか？", kBoxYesNo) != kYes) return;
  file_name[0] = '\0';
  control_system->ReplaceSelection(editor.text, kStandardProgram);
  control_system->SetSelection(editor.text, 0, 0);
}

// After the dialog, even a cancelled or failed one, FILE_NAME names the
// document's file.
void EditorOpen() {
  if (!MayDropText(DropAction::kOpen)) return;
  char path[kMaxPath], name[kMaxPath];
  std::string bytes;
  if (ChooseFile(false, "開く", path, name)) {
    std::string refused = ReadScript(path, &bytes);
    if (refused.empty()) {
      bool normalised = NormaliseLineEnds(&bytes);
      NameDocument(editor.document, path, name);
      SetEditorTitle(name);
      if (normalised) editor.document.clean = 0;  // the text is no longer the file's
      ShowNewText(bytes.c_str());
    } else {
      ShowEditorError(refused.c_str());
    }
  }
  CopyText(file_name, sizeof file_name, editor.document.file_path);
}

// A saved text is not written again; a document without a name asks for
// one, even unchanged (a copy of an example is written nowhere yet).
void EditorSave() {
  if (TextEmpty()) return ShowEditorMessage(EditorMessage::kEmpty);
  if (editor.document.clean != 0 && editor.document.saved_path[0] != '\0') return;
  if (editor.document.saved_path[0] == '\0') {
    EditorSaveAs(false);
    return;
  }
  SaveTo(editor.document.file_path, editor.document.file_title);
  CopyText(file_name, sizeof file_name, editor.document.file_path);
}

bool EditorSaveAs(bool from_menu) {
  if (TextEmpty()) {
    ShowEditorMessage(EditorMessage::kEmpty);
    return false;
  }
  char path[kMaxPath], name[kMaxPath];
  if (!ChooseFile(true, "名前を付けて保存", path, name)) return false;
  bool saved = false;
  if (!AddScriptExtension(path, name)) {
    ShowEditorError(kFileError);
  } else if (SaveTo(path, name)) {
    SetEditorTitle(name);
    saved = true;
  }
  if (from_menu) CopyText(file_name, sizeof file_name, editor.document.file_path);
  return saved;
}

}  // namespace zep
