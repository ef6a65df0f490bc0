#include "ide/colouring.h"

#include <cstring>

#include "core/command_table.h"
#include "core/eval_parts.h"
#include "core/text.h"

namespace zep {

namespace {

bool IsWordStart(const char* p) {
  unsigned char c = static_cast<unsigned char>(*p);
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || IsLeadByte(*p);
}

bool IsWordPart(const char* p) { return IsWordStart(p) || (*p >= '0' && *p <= '9'); }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The first character after the blanks from p on (or '\0').
char NextVisible(const char* p) {
  while (IsBlank(*p)) ++p;
  return *p;
}

// What the language makes of a word, by what follows it and at what depth
// of braces it stands.
Colour WordColour(const std::string& word, char next, int depth) {
  static const char* const kControls[] = {"loop", "if", "call", "return", "end"};
  for (const char* c : kControls) {
    if (word == c) return Colour::kControl;
  }
  if (next == '{' && depth == 0) return Colour::kSection;
  if (FindCommand(word.c_str(), kPhaseRun) != nullptr ||
      FindCommand(word.c_str(), kPhaseCreate) != nullptr) {
    return Colour::kCommand;
  }
  if (BuiltinId(word.c_str()) >= 0) return Colour::kFunction;
  if (ReservedId(word.c_str()) >= 0) return Colour::kReserved;
  return next == '(' ? Colour::kUnknownCall : Colour::kPlain;
}

// The end of the stretch that starts at p: a comment or a text to the
// line's end (a text also to its closing quote), a number, a word.
const char* CommentEnd(const char* p) {
  while (*p != '\0' && *p != '\r' && *p != '\n') p += CharLength(p);
  return p;
}

const char* TextEnd(const char* p) {
  for (++p; *p != '\0' && *p != '\r' && *p != '\n'; p += CharLength(p)) {
    if (*p == '"') return p + 1;
  }
  return p;
}

const char* NumberEnd(const char* p) {
  while ((*p >= '0' && *p <= '9') || *p == '.') ++p;
  return p;
}

const char* WordEnd(const char* p) {
  while (*p != '\0' && IsWordPart(p)) p += CharLength(p);
  return p;
}

}  // namespace

std::vector<ColourSpan> ColourText(const std::string& text) {
  std::vector<ColourSpan> spans;
  const char* begin = text.c_str();
  const char* p = begin;
  int depth = 0;
  auto add = [&](const char* from, const char* to, Colour colour) {
    if (colour != Colour::kPlain) {
      spans.push_back({static_cast<size_t>(from - begin), static_cast<size_t>(to - from), colour});
    }
  };
  while (*p != '\0') {
    const char* end;
    if (p[0] == '/' && p[1] == '/') {
      add(p, end = CommentEnd(p), Colour::kComment);
    } else if (*p == '"') {
      add(p, end = TextEnd(p), Colour::kText);
    } else if (*p >= '0' && *p <= '9') {
      add(p, end = NumberEnd(p), Colour::kNumber);
    } else if (IsWordStart(p)) {
      end = WordEnd(p);
      add(p, end, WordColour(std::string(p, end), NextVisible(end), depth));
    } else {
      if (*p == '{') ++depth;
      if (*p == '}' && depth > 0) --depth;
      end = p + CharLength(p);
    }
    p = end;
  }
  return spans;
}

}  // namespace zep
