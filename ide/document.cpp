#include "ide/document.h"

#include <cstring>

namespace zep {

namespace {

constexpr char kNoName[] = "NONAME.ZEP";
constexpr char kExtension[] = ".zep";

}  // namespace

void EditorTitle(EditorDocument& d, const char* name, char* out, size_t cap) {
  if (name[0] == '\0') {
    name = kNoName;
    CopyText(d.file_path, sizeof d.file_path, kNoName);
  }
  char title[256];
  size_t n = CopyText(title, sizeof title, "ZEP - [");
  n += CopyText(title + n, sizeof title - n, name);
  CopyText(title + n, sizeof title - n, "]");
  CopyText(out, cap, title);
}

bool AddScriptExtension(char* path, char* name) {
  if (std::strchr(path, '.') != nullptr) return true;
  size_t room = kMaxPath - std::strlen(kExtension);
  if (std::strlen(path) >= room || std::strlen(name) >= room) return false;
  std::strcat(path, kExtension);
  std::strcat(name, kExtension);
  return true;
}

void NameDocument(EditorDocument& d, const char* path, const char* name) {
  CopyText(d.file_path, sizeof d.file_path, path);
  CopyText(d.file_title, sizeof d.file_title, name);
  CopyText(d.saved_path, sizeof d.saved_path, path);
  d.clean = 1;
}

}  // namespace zep
