#include "ide/samples.h"

#include <algorithm>
#include <cstring>

#include "core/args.h"
#include "core/text.h"
#include "ide/editor.h"
#include "ide/editor_system.h"

namespace zep {

const char kSampleMenuTitle[] = "サンプル(&S)";

namespace {

constexpr char kFullWidthColon[] = "\x81\x46";  // "："
constexpr char kFullWidthSpace[] = "\x81\x40";  // "　"
constexpr size_t kMaxTitleBytes = 64;

// The examples on the menu, in its order.
std::vector<Sample> menu_samples;

bool IsBlank(const std::string& s, size_t at, size_t length) {
  if (length == 2) return s.compare(at, 2, kFullWidthSpace) == 0;
  return s[at] == ' ' || s[at] == '\t';
}

// s without blanks (spaces, tabs, full-width spaces) at either end, read by
// whole characters so that a trail byte is never taken for a blank.
std::string TrimBlanks(const std::string& s) {
  size_t first = std::string::npos, end = 0;
  for (size_t at = 0; at < s.size();) {
    size_t n = CharLength(&s[at]);
    if (!IsBlank(s, at, n)) {
      if (first == std::string::npos) first = at;
      end = at + n;
    }
    at += n;
  }
  return first == std::string::npos ? "" : s.substr(first, end - first);
}

std::string WithoutExtension(const std::string& file_name) {
  size_t n = file_name.size();
  if (n < 4) return file_name;
  std::string tail = file_name.substr(n - 4);
  for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return tail == ".zep" ? file_name.substr(0, n - 4) : file_name;
}

// A text the editor can hold, as Open requires of a file.
bool FitsEditor(const std::string& bytes) {
  return bytes.size() < kMaxEditorFileBytes && bytes.find('\0') == std::string::npos;
}

// The copy replaces the text as New does, with the example in it: no name,
// so Save asks for one; unchanged, so closing it untouched asks nothing
// (the example is still on the menu).
void OpenSample(const Sample& sample) {
  std::string name, bytes;
  // An example that cannot be read is refused as a file that is no text.
  if (!editor_system->LoadSample(sample.index, &name, &bytes)) bytes.assign(1, '\0');
  OpenCopy(bytes);
}

}  // namespace

void OpenCopy(const std::string& bytes) {
  if (!MayDropText(DropAction::kOpen)) return;
  if (!FitsEditor(bytes)) {
    ShowEditorError(kFileError);
    return;
  }
  editor.document.saved_path[0] = '\0';
  SetEditorTitle("");
  editor.document.clean = 1;
  file_name[0] = '\0';
  ShowNewText(bytes.c_str());
}

bool OpenSampleNamed(const std::string& file_name) {
  for (const Sample& sample : ListSamples()) {
    if (sample.file_name != file_name) continue;
    OpenSample(sample);
    return true;
  }
  return false;
}

std::string SampleTitle(const std::string& bytes, const std::string& file_name) {
  std::string line = bytes.substr(0, bytes.find_first_of("\r\n"));
  size_t at = 0;
  while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
  if (line.compare(at, 2, "//") != 0) return WithoutExtension(file_name);
  size_t colon = FindInText(line, kFullWidthColon, at + 2);
  if (colon == std::string::npos) return WithoutExtension(file_name);
  std::string title = TrimBlanks(line.substr(at + 2, colon - at - 2));
  if (title.empty() || title.size() > kMaxTitleBytes) return WithoutExtension(file_name);
  return title;
}

std::string SampleMenuText(const std::string& title) {
  std::string text;
  for (size_t at = 0; at < title.size();) {
    size_t n = CharLength(&title[at]);
    if (n == 1 && title[at] == '&') text += '&';
    text.append(title, at, n);
    at += n;
  }
  return text;
}

std::vector<Sample> ListSamples() {
  std::vector<Sample> list;
  std::string name, bytes;
  for (int i = 0; i < kMaxSamples && editor_system->LoadSample(i, &name, &bytes); ++i) {
    list.push_back({i, name, SampleTitle(bytes, name)});
  }
  std::stable_sort(list.begin(), list.end(),
                   [](const Sample& a, const Sample& b) { return a.file_name < b.file_name; });
  return list;
}

void AddSampleMenu() {
  menu_samples = ListSamples();
  if (menu_samples.empty()) return;
  MenuRef popup = menu_system->CreatePopup();
  for (size_t k = 0; k < menu_samples.size(); ++k) {
    menu_system->AppendItem(popup, kSampleCommandBase + static_cast<int>(k),
                            SampleMenuText(menu_samples[k].title).c_str());
  }
  editor_system->InsertMenuPopup(editor.window, popup, kSampleMenuTitle);
}

bool OnSampleCommand(int id) {
  int k = id - kSampleCommandBase;
  if (k < 0 || k >= static_cast<int>(menu_samples.size())) return false;
  OpenSample(menu_samples[k]);
  return true;
}

}  // namespace zep
