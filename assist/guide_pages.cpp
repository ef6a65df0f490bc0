#include "assist/guide_pages.h"

#include <algorithm>

#include "core/text.h"

namespace zep {

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at <= text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    at = end + 1;
  }
  return lines;
}

bool StartsWith(const std::string& line, const char* prefix) {
  return line.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool IsChapter(const std::string& line) { return StartsWith(line, "# ") || StartsWith(line, "## "); }

std::string Trimmed(const std::string& s) {
  size_t from = s.find_first_not_of(" \t"), to = s.find_last_not_of(" \t");
  return from == std::string::npos ? "" : s.substr(from, to - from + 1);
}

// The number of "#" before the blank of a heading; 0 for other lines.
size_t HeadingLevel(const std::string& line) {
  size_t hashes = line.find_first_not_of('#');
  return hashes != std::string::npos && hashes > 0 && line[hashes] == ' ' ? hashes : 0;
}

std::string HeadingText(const std::string& line) { return Trimmed(line.substr(HeadingLevel(line))); }


class Writer {
 public:
  explicit Writer(Page* page) : page_(page) {}

  // One line of running text: `code`, **strong** (shown plain), [text](to)
  // as its text, ![alt](file) as the picture.
  void Inline(const std::string& text, PageStyle style = PageStyle::kText) {
    std::string plain;
    for (size_t at = 0; at < text.size();) {
      size_t n = CharLength(&text[at]);
      char c = text[at];
      if (n == 1 && c == '`') {
        size_t end = FindInText(text, "`", at + 1);
        if (end != std::string::npos) {
          Flush(&plain, style);
          Add(PageStyle::kCode, text.substr(at + 1, end - at - 1));
          at = end + 1;
          continue;
        }
      }
      if (n == 1 && c == '*' && at + 1 < text.size() && text[at + 1] == '*') {
        at += 2;
        continue;
      }
      bool picture = n == 1 && c == '!' && at + 1 < text.size() && text[at + 1] == '[';
      if (n == 1 && (c == '[' || picture)) {
        size_t open = picture ? at + 1 : at;
        size_t close = FindInText(text, "]", open);
        if (close != std::string::npos && close + 1 < text.size() && text[close + 1] == '(') {
          size_t end = FindInText(text, ")", close + 2);
          if (end != std::string::npos) {
            Flush(&plain, style);
            if (picture) {
              Add(PageStyle::kPicture, text.substr(close + 2, end - close - 2));
            } else {
              Inline(text.substr(open + 1, close - open - 1), style);
            }
            at = end + 1;
            continue;
          }
        }
      }
      plain.append(text, at, n);
      at += n;
    }
    Flush(&plain, style);
  }
  void Add(PageStyle style, const std::string& text) {
    if (!text.empty()) page_->runs.push_back({style, text, ""});
  }
  void EndLine() { Add(PageStyle::kText, "\n"); }

 private:
  void Flush(std::string* plain, PageStyle style) {
    Add(style, *plain);
    plain->clear();
  }
  Page* page_;
};

// A table's row as its cells, or nothing for the rule under the header.
std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::string body = Trimmed(line);
  if (!body.empty() && body.front() == '|') body.erase(0, 1);
  if (!body.empty() && body.back() == '|') body.pop_back();
  size_t at = 0;
  while (at <= body.size()) {
    size_t bar = FindInText(body, "|", at);
    if (bar == std::string::npos) bar = body.size();
    cells.push_back(Trimmed(body.substr(at, bar - at)));
    at = bar + 1;
  }
  if (!cells.empty() && cells[0].find_first_not_of("-: ") == std::string::npos) return {};
  return cells;
}

// Lines of one paragraph join without a space, as Japanese text does,
// except between two words of Latin letters.
void JoinLine(std::string* paragraph, const std::string& line) {
  if (!paragraph->empty() && !line.empty() && static_cast<unsigned char>(paragraph->back()) < 0x80 &&
      static_cast<unsigned char>(line.front()) < 0x80 && paragraph->back() != ' ') {
    *paragraph += ' ';
  }
  *paragraph += line;
}

void WriteChapter(const std::vector<std::string>& lines, size_t from, size_t to, Page* page) {
  Writer out(page);
  std::string paragraph;
  auto flush = [&] {
    if (paragraph.empty()) return;
    out.Inline(paragraph);
    out.EndLine();
    paragraph.clear();
  };
  for (size_t i = from; i < to; ++i) {
    const std::string& line = lines[i];
    if (StartsWith(line, "```")) {
      flush();
      for (++i; i < to && !StartsWith(lines[i], "```"); ++i) out.Add(PageStyle::kCode, lines[i] + "\n");
      continue;
    }
    std::string text = Trimmed(line);
    if (text.empty()) {
      flush();
    } else if (HeadingLevel(line) > 0) {
      flush();
      out.Inline(HeadingText(line), HeadingLevel(line) == 1 ? PageStyle::kTitle : PageStyle::kHeading);
      out.EndLine();
    } else if (text.front() == '|') {
      flush();
      std::vector<std::string> cells = Cells(text);
      for (size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) out.Add(PageStyle::kText, "　");
        out.Inline(cells[c]);
      }
      if (!cells.empty()) out.EndLine();
    } else if (StartsWith(text, "![")) {  // a picture stands alone
      flush();
      out.Inline(text);
      out.EndLine();
    } else if (StartsWith(line, "- ") || StartsWith(line, "* ")) {
      flush();
      paragraph = "・" + text.substr(2);
    } else {
      JoinLine(&paragraph, text);
    }
  }
  flush();
}

// The first line of each page.
std::vector<size_t> ChapterStarts(const std::vector<std::string>& lines) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (StartsWith(lines[i], "```")) {  // a "#" in code starts nothing
      for (++i; i < lines.size() && !StartsWith(lines[i], "```"); ++i) {
      }
      continue;
    }
    if (IsChapter(lines[i])) starts.push_back(i);
  }
  return starts;
}

}  // namespace

std::vector<std::string> GuideChapters(const std::string& guide) {
  std::vector<std::string> lines = Lines(guide), titles;
  for (size_t start : ChapterStarts(lines)) titles.push_back(HeadingText(lines[start]));
  return titles;
}

Page GuidePage(const std::string& guide, int n) {
  std::vector<std::string> lines = Lines(guide);
  std::vector<size_t> starts = ChapterStarts(lines);
  Page page;
  if (n < 0 || static_cast<size_t>(n) >= starts.size()) return page;
  size_t from = starts[n], to = static_cast<size_t>(n) + 1 < starts.size() ? starts[n + 1] : lines.size();
  page.title = HeadingText(lines[from]);
  WriteChapter(lines, from, to, &page);
  // The introduction leads to every chapter, the others to the next one.
  size_t count = starts.size(), first = n == 0 ? 1 : n + 1;
  size_t last = n == 0 ? count : std::min(count, first + 1);
  if (first < last) page.runs.push_back({PageStyle::kHeading, n == 0 ? "もくじ\n" : "つぎへ\n", ""});
  for (size_t i = first; i < last; ++i) {
    page.runs.push_back({PageStyle::kLink, HeadingText(lines[starts[i]]), "guide:" + std::to_string(i)});
    page.runs.push_back({PageStyle::kText, "\n", ""});
  }
  return page;
}

}  // namespace zep
