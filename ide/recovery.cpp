#include "ide/recovery.h"

#include <algorithm>
#include <cstring>

#include "core/data_file.h"
#include "core/host.h"
#include "core/text.h"
#include "ide/editor.h"
#include "runtime/window_system.h"

namespace zep {

int32_t recovery_interval_ms = kRecoveryIntervalMs;

namespace {

constexpr char kNoName[] = "NONAME.ZEP";
constexpr int kYes = 6;
constexpr int kMaxCopyNumber = 99;
// A copy is read back whole: the text control's characters, each up to two
// bytes in Shift-JIS.
constexpr size_t kMaxCopyBytes = 2 * static_cast<size_t>(kMaxEditorCharacters);

// folder\name into out (kMaxPath bytes); false when it does not fit.
bool JoinPath(const char* folder, const char* name, char* out) {
  size_t f = std::strlen(folder), n = std::strlen(name);
  if (f + 1 + n >= static_cast<size_t>(kMaxPath)) return false;
  std::memcpy(out, folder, f);
  out[f] = '\\';
  std::memcpy(out + f + 1, name, n + 1);
  return true;
}

bool ExistsInFolder(const char* name, void* folder) {
  char path[kMaxPath];
  if (!JoinPath(static_cast<const char*>(folder), name, path)) return true;
  return file_system->FileLength(path) >= 0;
}

void ReportWriteFailure(const char* where) {
  if (editor.recovery.failure_shown) return;
  editor.recovery.failure_shown = true;
  std::string text = std::string("編集中のプログラムの控えを保存できません。\n") + where +
                     "\n\nこまめに保存してください。";
  ShowEditorError(text.c_str());
}

// Writes text as the copy: into the file the editor keeps, or a new one
// named after the document.
void WriteCopy(const std::string& text) {
  char folder[kMaxPath], name[kMaxPath], path[kMaxPath];
  if (!editor_system->RecoveryFolder(folder)) return ReportWriteFailure("%APPDATA%\\ZEP\\recovery");
  if (editor.recovery.name[0] != '\0') {
    CopyText(name, sizeof name, editor.recovery.name);
  } else if (!FreeCopyName(RecoveryFileName(editor.document), ExistsInFolder, folder, name, sizeof name)) {
    return ReportWriteFailure(folder);
  }
  if (!JoinPath(folder, name, path)) return ReportWriteFailure(folder);
  if (!file_system->ReplaceWholeFile(path, text.data(), text.size())) {
    return ReportWriteFailure(path);
  }
  CopyText(editor.recovery.name, sizeof editor.recovery.name, name);
  editor.recovery.text = text;
  editor.recovery.failure_shown = false;
}

size_t CountCharacters(const std::string& bytes) {
  size_t n = 0;
  for (size_t at = 0; at < bytes.size(); at += CharLength(&bytes[at])) ++n;
  return n;
}

// Opens the copy as a changed text without a name; the editor goes on
// keeping it in the same file. A copy that cannot be read, or that the
// text control could not hold, stays where it is.
bool RestoreCopy(const char* path, const char* name) {
  std::string bytes;
  if (file_system->ReadWholeFile(path, kMaxCopyBytes, &bytes) != WholeFile::kRead ||
      bytes.find('\0') != std::string::npos ||
      CountCharacters(bytes) > static_cast<size_t>(kMaxEditorCharacters)) {
    ShowEditorError(kFileError);
    return false;
  }
  editor.document.saved_path[0] = '\0';
  SetEditorTitle("");
  editor.document.clean = 0;
  ShowNewText(bytes.c_str());
  CopyText(editor.recovery.name, sizeof editor.recovery.name, name);
  editor.recovery.text = bytes;
  return true;
}

}  // namespace

const char* RecoveryFileName(const EditorDocument& d) {
  if (d.saved_path[0] == '\0' || d.file_title[0] == '\0') return kNoName;
  return d.file_title;
}

bool FreeCopyName(const char* name, bool (*taken)(const char* name, void* context),
                  void* context, char* out, size_t cap) {
  size_t length = std::strlen(name);
  if (length < cap && !taken(name, context)) {
    std::memcpy(out, name, length + 1);
    return true;
  }
  const char* dot = std::strrchr(name, '.');
  size_t base = dot != nullptr ? static_cast<size_t>(dot - name) : length;
  for (int k = 2; k <= kMaxCopyNumber; ++k) {
    char number[8] = " (";
    size_t n = 2;
    if (k >= 10) number[n++] = static_cast<char>('0' + k / 10);
    number[n++] = static_cast<char>('0' + k % 10);
    number[n++] = ')';
    number[n] = '\0';
    if (length + n >= cap) return false;
    std::memcpy(out, name, base);
    std::memcpy(out + base, number, n);
    std::memcpy(out + base + n, name + base, length - base + 1);
    if (!taken(out, context)) return true;
  }
  return false;
}

RecoveryStep RecoveryStepFor(int32_t clean, const std::string& text, const RecoveryCopy& copy) {
  if (clean != 0) return RecoveryStep::kNothing;
  bool kept = copy.name[0] != '\0';
  if (text.empty()) return kept ? RecoveryStep::kRemove : RecoveryStep::kNothing;
  return kept && text == copy.text ? RecoveryStep::kNothing : RecoveryStep::kWrite;
}

std::vector<FolderFile> CopiesToOffer(std::vector<FolderFile> files) {
  files.erase(std::remove_if(files.begin(), files.end(),
                             [](const FolderFile& f) {
                               return f.size == 0 || f.name.empty() || f.name.back() == '~';
                             }),
              files.end());
  std::sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
    return a.written != b.written ? a.written > b.written : a.name < b.name;
  });
  return files;
}

std::string RecoveryQuestion(const std::string& name) {
  return "前回、保存されていないプログラムが残っています（" + name + "）。\n復元しますか？";
}

const char* TakeRecoveryIntervalOption(const char* command_line) {
  static const char kOption[] = "--zep-test-recovery-ms=";
  if (std::strncmp(command_line, kOption, sizeof kOption - 1) != 0) return command_line;
  const char* p = command_line + sizeof kOption - 1;
  int64_t ms = 0;
  bool digits = false;
  for (; *p >= '0' && *p <= '9'; ++p) {
    digits = true;
    if (ms <= 3600000) ms = ms * 10 + (*p - '0');
  }
  if (digits && ms >= 1 && ms <= 3600000) recovery_interval_ms = static_cast<int32_t>(ms);
  while (*p != '\0' && *p != ' ') ++p;
  while (*p == ' ') ++p;
  return p;
}

void StartRecoveryTimer() { window_system->StartTimer(editor.window, recovery_interval_ms); }

void OnRecoveryTimer() {
  if (editor.text == nullptr) return;
  std::string text = control_system->GetText(editor.text);
  switch (RecoveryStepFor(editor.document.clean, text, editor.recovery)) {
    case RecoveryStep::kNothing: return;
    case RecoveryStep::kWrite: return WriteCopy(text);
    case RecoveryStep::kRemove: return ForgetRecoveryCopy();
  }
}

void ForgetRecoveryCopy() {
  if (editor.recovery.name[0] == '\0') return;
  char folder[kMaxPath], path[kMaxPath];
  std::string held;
  if (editor_system->RecoveryFolder(folder) && JoinPath(folder, editor.recovery.name, path) &&
      file_system->ReadWholeFile(path, kMaxCopyBytes, &held) == WholeFile::kRead &&
      held == editor.recovery.text) {
    editor_system->RemoveFile(path);
  }
  editor.recovery = RecoveryCopy{};
}

// No removes the copy (a copy that cannot be removed is said so, and is
// offered again at the next start).
void OfferRecoveryCopies() {
  char folder[kMaxPath], path[kMaxPath];
  if (editor.text == nullptr || !editor_system->RecoveryFolder(folder)) return;
  for (const FolderFile& copy : CopiesToOffer(editor_system->ListFolder(folder))) {
    if (!JoinPath(folder, copy.name.c_str(), path)) continue;
    std::string question = RecoveryQuestion(copy.name);
    int answer = host_system->ShowMessage(editor.window, question.c_str(), "復元",
                                   kBoxYesNo | kBoxIconQuestion);
    if (answer == kYes) {
      if (RestoreCopy(path, copy.name.c_str())) return;
    } else if (!editor_system->RemoveFile(path)) {
      ShowEditorError((std::string("次のファイルを削除できません。\n") + path).c_str());
    }
  }
}

}  // namespace zep
