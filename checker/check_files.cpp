#include "checker/check_files.h"

#include <cstdint>
#include <cstring>

#include "core/data_file.h"
#include "core/script_text.h"

namespace zep {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The text with each line break (CR LF, CR or LF) as one blank.
std::string OneLine(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += ' ';
    } else {
      out += text[i];
    }
  }
  return out;
}

// The script's text in Shift-JIS, or "" with the reason why it cannot be
// had. The raw limit lets a UTF-8 file be half again as long as the text.
std::string ReadForCheck(const std::string& file, size_t max_script_bytes, std::string* text) {
  size_t raw_limit = max_script_bytes * 3 / 2 + 3;
  int64_t length = file_system->FileLength(file.c_str());
  if (length < 0) return "ファイルが見つからないか、開けません。";
  std::string too_large =
      "ファイルが大きすぎます（" + std::to_string(max_script_bytes) + " バイトまで）。";
  if (static_cast<uint64_t>(length) > raw_limit) return too_large;
  std::string bytes;
  if (file_system->ReadWholeFile(file.c_str(), raw_limit, &bytes) != WholeFile::kRead) {
    return "ファイルを読み込めません。";
  }
  int line = 0;
  ScriptText read = DecodeScriptText(bytes.data(), bytes.size(), text, &line);
  if (read != ScriptText::kRead) return ScriptTextMessage(read, line);
  if (text->size() > max_script_bytes) return too_large;
  return "";
}

}  // namespace

bool TakeCheckOption(const char* command_line, std::vector<std::string>* files) {
  static const char kOption[] = "--check";
  const size_t n = sizeof kOption - 1;
  if (std::strncmp(command_line, kOption, n) != 0) return false;
  const char* p = command_line + n;
  if (*p != '\0' && !IsBlank(*p)) return false;
  files->clear();
  for (;;) {
    while (IsBlank(*p)) ++p;
    if (*p == '\0') return true;
    std::string name;
    bool quoted = false;
    for (; *p != '\0' && (quoted || !IsBlank(*p)); ++p) {
      if (*p == '"') {
        quoted = !quoted;
      } else {
        name += *p;
      }
    }
    files->push_back(name);
  }
}

std::string ProblemLine(const std::string& file, const Problem& problem) {
  std::string text = problem.message;
  if (!problem.hint.empty()) text += " " + problem.hint;
  return file + "(" + std::to_string(problem.line) + "," + std::to_string(problem.column) +
         "): " + SeverityName(problem.kind) + ": " + OneLine(text) + "\n";
}

std::string UnreadableLine(const std::string& file, const std::string& reason) {
  return file + ": " + SeverityName(Severity::kError) + ": " + OneLine(reason) + "\n";
}

int CheckStatus(int errors) { return errors < 255 ? errors : 255; }

CheckReport CheckFiles(const std::vector<std::string>& files, size_t max_script_bytes) {
  CheckReport report{"", 0};
  for (const std::string& file : files) {
    std::string text;
    std::string reason = ReadForCheck(file, max_script_bytes, &text);
    if (!reason.empty()) {
      report.output += ShiftJisToUtf8(UnreadableLine(file, reason));
      ++report.errors;
      continue;
    }
    for (const Problem& problem : CheckScript(text)) {
      report.output += ShiftJisToUtf8(ProblemLine(file, problem));
      if (problem.kind == Severity::kError) ++report.errors;
    }
  }
  return report;
}

}  // namespace zep
