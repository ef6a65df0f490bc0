#include "assist/example_uses.h"

#include <cstring>

#include "core/text.h"

namespace zep {

namespace {

bool IsWordByte(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Gives each name of the script to take(start, length) in the order read,
// until take answers true. Gives true when it did.
template <typename Take>
bool ReadNames(const std::string& bytes, Take take) {
  const char* p = bytes.c_str();
  while (*p != '\0') {
    if (p[0] == '/' && p[1] == '/') {
      while (*p != '\0' && *p != '\n') p += CharLength(p);
    } else if (*p == '"') {
      const char* start = p + 1;
      p = SkipLiteral(p);
      if (p > start && take(start, static_cast<size_t>(p - start))) return true;
      if (*p == '"') ++p;
    } else if (IsWordByte(*p)) {
      const char* start = p;
      while (IsWordByte(*p)) ++p;
      if (take(start, static_cast<size_t>(p - start))) return true;
    } else {
      p += CharLength(p);
    }
  }
  return false;
}

}  // namespace

std::set<std::string> NamesInScript(const std::string& bytes) {
  std::set<std::string> names;
  ReadNames(bytes, [&](const char* start, size_t n) {
    names.emplace(start, n);
    return false;
  });
  return names;
}

std::vector<std::string> ExamplesUsing(const std::string& name, const std::vector<ExampleScript>& examples) {
  std::vector<std::string> using_it;
  for (const ExampleScript& example : examples) {
    bool uses = ReadNames(example.bytes, [&](const char* start, size_t n) {
      return n == name.size() && std::memcmp(start, name.data(), n) == 0;
    });
    if (uses) using_it.push_back(example.name);
  }
  return using_it;
}

}  // namespace zep
