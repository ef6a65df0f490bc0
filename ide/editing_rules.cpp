#include "ide/editing_rules.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "core/text.h"

namespace zep {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string LeadingBlanks(const std::string& line) {
  size_t n = 0;
  while (n < line.size() && IsBlank(line[n])) ++n;
  return line.substr(0, n);
}

// The last character of line that counts: not a blank, not in a comment;
// '\0' when there is none. Texts in quotes are stepped over whole.
char LastVisible(const std::string& line) {
  char last = '\0';
  for (size_t i = 0; i < line.size(); i += CharLength(&line[i])) {
    char c = line[i];
    if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') break;
    if (c == '"') {
      size_t close = line.find('"', i + 1);
      last = '"';
      if (close == std::string::npos) break;
      i = close;
      continue;
    }
    if (!IsBlank(c)) last = c;
  }
  return last;
}

// Whether the byte at each offset of text is code: not in a text in
// quotes, not in a comment, not a trail byte.
std::vector<bool> CodeBytes(const std::string& text) {
  std::vector<bool> code(text.size(), false);
  bool in_text = false, in_comment = false;
  for (size_t i = 0; i < text.size(); i += CharLength(&text[i])) {
    char c = text[i];
    if (in_comment) {
      in_comment = c != '\n';
    } else if (in_text) {
      in_text = c != '"' && c != '\n';
    } else if (c == '"') {
      in_text = true;
    } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
      in_comment = true;
    } else {
      code[i] = true;
    }
  }
  return code;
}

}  // namespace

std::string IndentAfterEnter(const std::string& line) {
  std::string indent = LeadingBlanks(line);
  if (LastVisible(line) == '{') indent += kIndentStep;
  return indent;
}

std::string IndentBeforeCloseBrace(const std::string& line) {
  if (LeadingBlanks(line).size() != line.size() || line.empty()) return line;
  if (line.back() == '\t') return line.substr(0, line.size() - 1);
  size_t spaces = 0;  // a step of up to four spaces
  while (spaces < 4 && spaces < line.size() && line[line.size() - 1 - spaces] == ' ') ++spaces;
  return line.substr(0, line.size() - spaces);
}

std::string IndentLines(const std::string& lines, bool out) {
  std::string result;
  size_t from = 0;
  for (;;) {
    size_t end = lines.find("\r\n", from);
    std::string line = lines.substr(from, end == std::string::npos ? std::string::npos : end - from);
    if (!out && !line.empty()) {
      line = kIndentStep + line;
    } else if (out && !line.empty() && line[0] == '\t') {
      line.erase(0, 1);
    } else if (out) {
      size_t spaces = 0;
      while (spaces < 4 && spaces < line.size() && line[spaces] == ' ') ++spaces;
      line.erase(0, spaces);
    }
    result += line;
    if (end == std::string::npos) return result;
    result += "\r\n";
    from = end + 2;
  }
}

bool NormaliseLineEnds(std::string* text) {
  std::string out;
  bool changed = false;
  for (size_t i = 0; i < text->size(); ++i) {
    char c = (*text)[i];
    bool pair = c == '\r' && i + 1 < text->size() && (*text)[i + 1] == '\n';
    if (pair) {
      out += "\r\n";
      ++i;
    } else if (c == '\r' || c == '\n') {
      out += "\r\n";
      changed = true;
    } else {
      out += c;
    }
  }
  if (changed) text->swap(out);
  return changed;
}

namespace {

// Whether the character starting at at belongs to a name.
bool NamePart(const std::string& text, size_t at) {
  unsigned char c = static_cast<unsigned char>(text[at]);
  return std::isalnum(c) || c == '_' || CharLength(&text[at]) == 2;
}

// The start of each character of text.
std::vector<size_t> CharacterStarts(const std::string& text) {
  std::vector<size_t> starts;
  for (size_t at = 0; at < text.size(); at += CharLength(&text[at])) starts.push_back(at);
  return starts;
}

}  // namespace

std::string WordAt(const std::string& text, size_t pos) {
  std::vector<size_t> starts = CharacterStarts(text);
  size_t i = std::lower_bound(starts.begin(), starts.end(), pos) - starts.begin();
  if (i == starts.size() || !NamePart(text, starts[i])) {
    if (i == 0 || !NamePart(text, starts[i - 1])) return "";
    --i;
  }
  size_t first = i, last = i;
  while (first > 0 && NamePart(text, starts[first - 1])) --first;
  while (last + 1 < starts.size() && NamePart(text, starts[last + 1])) ++last;
  size_t end = last + 1 < starts.size() ? starts[last + 1] : text.size();
  return text.substr(starts[first], end - starts[first]);
}

size_t MatchingBracket(const std::string& text, size_t pos) {
  static const char kOpen[] = "({", kClose[] = ")}";
  if (pos >= text.size()) return std::string::npos;
  std::vector<bool> code = CodeBytes(text);
  if (!code[pos]) return std::string::npos;
  char c = text[pos];
  for (int k = 0; k < 2; ++k) {
    int depth = 0;
    if (c == kOpen[k]) {
      for (size_t i = pos; i < text.size(); ++i) {
        if (!code[i]) continue;
        if (text[i] == kOpen[k]) ++depth;
        if (text[i] == kClose[k] && --depth == 0) return i;
      }
      return std::string::npos;
    }
    if (c == kClose[k]) {
      for (size_t i = pos + 1; i-- > 0;) {
        if (!code[i]) continue;
        if (text[i] == kClose[k]) ++depth;
        if (text[i] == kOpen[k] && --depth == 0) return i;
      }
      return std::string::npos;
    }
  }
  return std::string::npos;
}

}  // namespace zep
