#include "core/text.h"

#include <algorithm>

namespace zep {

namespace {

// Walks text as compaction does and calls keep(p) for each byte that
// stays, in order.
template <class Keep>
void CompactionWalk(const char* text, Keep keep) {
  const char* p = text;
  while (*p != '\0') {
    if (*p == '"') {
      keep(p++);
      while (*p != '\0' && *p != '"') keep(p++);
      if (*p == '"') keep(p++);
    } else if (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') {
      ++p;
    } else if (p[0] == '/' && p[1] == '/') {
      // A comment ends with its line, at the LF of a CR LF or at a lone LF
      // (the line end most editors write today).
      while (*p != '\0' && *p != '\n') ++p;
      if (*p != '\0') ++p;
    } else {
      keep(p++);
    }
  }
}

}  // namespace

// In place: the byte written never lies after the byte being read.
size_t CompactProgramText(char* text) {
  char* out = text;
  CompactionWalk(text, [&out](const char* p) { *out++ = *p; });
  *out = '\0';
  return static_cast<size_t>(out - text);
}

void CompactionSources(const char* text, std::vector<int>* sources) {
  sources->clear();
  CompactionWalk(text, [&](const char* p) { sources->push_back(static_cast<int>(p - text)); });
}

size_t ByteOffsetOf(const std::string& text, int32_t characters) {
  size_t at = 0;
  for (int32_t n = 0; n < characters && at < text.size(); ++n) at += CharLength(&text[at]);
  return at < text.size() ? at : text.size();
}

int32_t CharOffsetOf(const std::string& text, size_t bytes) {
  int32_t n = 0;
  for (size_t at = 0; at < bytes && at < text.size(); at += CharLength(&text[at])) ++n;
  return n;
}

namespace {

bool LineEndAt(const std::string& text, size_t at) {
  return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
}

}  // namespace

int32_t RichOffsetOf(const std::string& text, int32_t characters) {
  int32_t plain = 0, rich = 0;
  for (size_t at = 0; at < text.size() && plain < characters; ++rich) {
    bool line_end = LineEndAt(text, at);
    if (line_end && plain + 1 == characters) break;
    plain += line_end ? 2 : 1;
    at += line_end ? 2 : CharLength(&text[at]);
  }
  return rich;
}


size_t FindInText(const std::string& text, const std::string& wanted, size_t from) {
  for (size_t at = from; at + wanted.size() <= text.size(); at += CharLength(&text[at])) {
    if (text.compare(at, wanted.size(), wanted) == 0) return at;
  }
  return std::string::npos;
}

std::string HalfWidthNumberText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    size_t n = std::min(CharLength(&text[at]), text.size() - at);
    unsigned char lead = static_cast<unsigned char>(text[at]);
    unsigned char trail = n == 2 ? static_cast<unsigned char>(text[at + 1]) : 0;
    if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) {
      out += static_cast<char>('0' + (trail - 0x4F));
    } else if (lead == 0x81 && (trail == 0x40 || trail == 0x44 || trail == 0x7B || trail == 0x7C)) {
      out += trail == 0x40 ? ' ' : trail == 0x44 ? '.' : trail == 0x7B ? '+' : '-';
    } else {
      out.append(text, at, n);
    }
    at += n;
  }
  return out;
}

}  // namespace zep
