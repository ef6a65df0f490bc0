#include "ide/error_place.h"

#include <string>
#include <vector>

#include "core/text.h"

namespace zep {

namespace {

// The end of the statement at pos of the compacted text: after its `;`, or
// at the `{` of a block head or the `}` that closes its block (a statement
// whose `;` is missing), or at the end of the text.
size_t StatementEnd(const std::string& c, size_t pos) {
  size_t at = pos;
  while (at < c.size()) {
    if (c[at] == '"') {
      at = static_cast<size_t>(SkipLiteral(&c[at]) - c.c_str());
      if (at >= c.size()) break;
    } else if (c[at] == ';') {
      return at + 1;
    } else if (c[at] == '{' || c[at] == '}') {
      return at == pos ? at + 1 : at;
    }
    at += CharLength(&c[at]);
  }
  return c.size();
}

// Where the name of the section whose brace is at `brace` begins: after the
// last `}` before it (a whole character outside literals), or at the start.
size_t SectionNameStart(const std::string& c, size_t brace) {
  size_t start = 0;
  for (size_t at = 0; at < brace; at += CharLength(&c[at])) {
    if (c[at] == '"') {
      at = static_cast<size_t>(SkipLiteral(&c[at]) - c.c_str());
      if (at >= brace) break;
    } else if (c[at] == '}') {
      start = at + 1;
    }
  }
  return start;
}

}  // namespace

bool FailingStatement(const char* source, int pos, size_t* start, size_t* end) {
  std::vector<int> sources;
  CompactionSources(source, &sources);
  std::string c;
  for (int s : sources) c += source[s];
  if (pos < 0 || static_cast<size_t>(pos) >= c.size()) return false;
  size_t from = static_cast<size_t>(pos);
  size_t to = StatementEnd(c, from);
  if (c[from] == '{') from = SectionNameStart(c, from);
  *start = static_cast<size_t>(sources[from]);
  *end = static_cast<size_t>(sources[to - 1]) + 1;
  return true;
}

}  // namespace zep

