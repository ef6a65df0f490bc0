#include "ide/colour_view.h"

#include <algorithm>

#include "core/text.h"

namespace zep {

uint32_t ColourValue(Colour colour) {
  switch (colour) {
    case Colour::kPlain: return 0x000000;
    case Colour::kSection: return 0x800000;
    case Colour::kCommand: return 0x0000FF;
    case Colour::kFunction: return 0x007070;
    case Colour::kReserved: return 0x8000A0;
    case Colour::kControl: return 0xC05000;
    case Colour::kNumber: return 0x606000;
    case Colour::kText: return 0xA31515;
    case Colour::kComment: return 0x008000;
    case Colour::kUnknownCall: return 0xE00000;
  }
  return 0x000000;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (;;) {
    size_t end = text.find("\r\n", from);
    if (end == std::string::npos) break;
    lines.push_back(text.substr(from, end - from));
    from = end + 2;
  }
  lines.push_back(text.substr(from));
  return lines;
}

void ColourView::Reset(const std::string& text) {
  lines_ = SplitLines(text);
  old_starts_.clear();
  coloured_.assign(lines_.size(), 0);
  Measure();
}

// The lines the edit left as they were at the top and at the bottom keep
// their state; the line before the first changed one is coloured again.
void ColourView::Update(const std::string& text) {
  std::vector<std::string> lines = SplitLines(text);
  size_t old_n = lines_.size(), new_n = lines.size();
  size_t top = 0;
  while (top < old_n && top < new_n && lines_[top] == lines[top]) ++top;
  size_t bottom = 0;
  while (bottom < old_n - top && bottom < new_n - top &&
         lines_[old_n - 1 - bottom] == lines[new_n - 1 - bottom]) {
    ++bottom;
  }
  std::vector<uint8_t> coloured(new_n, 0);
  std::copy(coloured_.begin(), coloured_.begin() + top, coloured.begin());
  std::copy(coloured_.end() - bottom, coloured_.end(), coloured.end() - bottom);
  if (top > 0 && top < new_n) coloured[top - 1] = 0;
  lines_ = std::move(lines);
  coloured_ = std::move(coloured);
  old_starts_ = starts_;
  top_ = top;
  bottom_ = bottom;
  Measure();
}

int32_t ColourView::MapPosition(int32_t old) const {
  if (old < 0 || old_starts_.empty()) return -1;
  size_t line = std::upper_bound(old_starts_.begin(), old_starts_.end(), old) - old_starts_.begin() - 1;
  if (line < top_) return old;
  size_t old_n = old_starts_.size(), new_n = starts_.size();
  if (line < old_n - bottom_) return -1;
  return old - old_starts_[line] + starts_[line + new_n - old_n];
}

int32_t ColourView::MapLine(int32_t old) const {
  if (old < 0) return -1;
  size_t line = static_cast<size_t>(old);
  if (line < top_) return old;
  size_t old_n = old_starts_.size(), new_n = starts_.size();
  if (line >= old_n) return -1;
  if (line >= old_n - bottom_) return static_cast<int32_t>(line + new_n - old_n);
  size_t made_end = new_n - bottom_;  // the changed lines now are [top_, made_end)
  if (made_end == top_) return -1;
  return static_cast<int32_t>(std::min(line, made_end - 1));
}

void ColourView::Measure() {
  starts_.resize(lines_.size());
  int32_t at = 0;
  for (size_t i = 0; i < lines_.size(); ++i) {
    starts_[i] = at;
    at += CharOffsetOf(lines_[i], lines_[i].size()) + 1;
  }
}

int32_t ColourView::NextUncoloured(int32_t from) const {
  for (int32_t i = std::max(from, 0); i < LineCount(); ++i) {
    if (coloured_[i] == 0) return i;
  }
  return LineCount();
}

int32_t ColourView::LineAt(int32_t position) const {
  auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
  return std::max(0, static_cast<int32_t>(after - starts_.begin()) - 1);
}

void ColourView::Forget(int32_t line) {
  if (line >= 0 && line < LineCount()) coloured_[static_cast<size_t>(line)] = 0;
}

std::vector<ColourRun> ColourView::Take(int32_t first, int32_t last) {
  std::vector<ColourRun> runs;
  last = std::min(last, LineCount());
  for (int32_t i = NextUncoloured(first); i < last; i = NextUncoloured(i)) {
    int32_t end = i;
    while (end < last && coloured_[end] == 0) coloured_[end++] = 1;
    AddRuns(i, end, &runs);
  }
  return runs;
}

// Lines [first, last) coloured as a piece of text with the line after
// them, which tells whether the last one names a section.
void ColourView::AddRuns(int32_t first, int32_t last, std::vector<ColourRun>* runs) const {
  std::string piece;
  size_t piece_end = 0;  // where line last - 1 ends in piece
  for (int32_t i = first; i < last + 1 && i < LineCount(); ++i) {
    if (i > first) piece += "\r\n";
    piece += lines_[i];
    if (i == last - 1) piece_end = piece.size();
  }
  int32_t base = starts_[first];
  const std::string& last_line = lines_[last - 1];
  runs->push_back({base, starts_[last - 1] + CharOffsetOf(last_line, last_line.size()),
                   Colour::kPlain});
  // One walk through the piece turns the spans' bytes into characters.
  size_t at = 0;
  int32_t rich = base;
  auto advance = [&](size_t to) {
    while (at < to) {
      bool line_end = piece[at] == '\r' && at + 1 < piece.size() && piece[at + 1] == '\n';
      at += line_end ? 2 : CharLength(&piece[at]);
      ++rich;
    }
  };
  for (const ColourSpan& span : ColourText(piece)) {
    if (span.start >= piece_end) break;
    advance(span.start);
    int32_t start = rich;
    advance(std::min(span.start + span.length, piece_end));
    runs->push_back({start, rich, span.colour});
  }
}

}  // namespace zep
