#include "tests/layers/include_check.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace zep {

namespace fs = std::filesystem;

namespace {

const LayerFolder* FindFolder(const std::vector<LayerFolder>& folders, const std::string& name) {
  for (const LayerFolder& folder : folders) {
    if (folder.name == name) return &folder;
  }
  return nullptr;
}

bool MayInclude(const LayerFolder& folder, const std::string& other) {
  const std::vector<std::string>& allowed = folder.may_include;
  return std::find(allowed.begin(), allowed.end(), other) != allowed.end();
}

// The header a line includes in double quotes ("" for any other line), the
// spaces a preprocessor allows around '#' and "include" taken.
std::string QuotedInclude(const std::string& line) {
  size_t at = line.find_first_not_of(" \t");
  if (at == std::string::npos || line[at] != '#') return "";
  at = line.find_first_not_of(" \t", at + 1);
  const std::string word = "include";
  if (at == std::string::npos || line.compare(at, word.size(), word) != 0) return "";
  at = line.find_first_not_of(" \t", at + word.size());
  if (at == std::string::npos || line[at] != '"') return "";
  size_t end = line.find('"', at + 1);
  return end == std::string::npos ? "" : line.substr(at + 1, end - at - 1);
}

// The folder a header path starts with ("" for a path without one).
std::string FirstFolder(const std::string& header) {
  size_t slash = header.find('/');
  return slash == std::string::npos ? "" : header.substr(0, slash);
}

bool IsSource(const fs::path& path) {
  std::string extension = path.extension().string();
  return extension == ".cpp" || extension == ".h";
}

// Reads one file of folder, adding its includes of layer folders to scan.
void CheckFile(const fs::path& path, const std::string& shown, const LayerFolder& folder,
               const std::vector<LayerFolder>& folders, IncludeScan* scan) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::string header = QuotedInclude(line);
    const LayerFolder* other = FindFolder(folders, FirstFolder(header));
    if (other == nullptr) continue;
    ++scan->includes;
    if (!MayInclude(folder, other->name)) scan->faults.push_back({shown, number, header});
  }
  ++scan->files;
}

// The files of one folder, in the order of their names (for a stable report).
std::vector<fs::path> SourcesUnder(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file() && IsSource(it->path())) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

std::vector<LayerFolder> LayerFolders() {
  std::vector<LayerFolder> folders;
  std::vector<std::string> below;
  for (const char* name : {"core", "graphics", "controls", "media", "runtime", "ide", "platform", "app"}) {
    below.push_back(name);
    folders.push_back({name, below});
  }
  folders.push_back({"assist", {"core", "assist"}});
  folders.push_back({"compiler", {"core", "compiler"}});
  folders.push_back({"checker", {"core", "assist", "checker"}});
  for (LayerFolder& folder : folders) {
    bool editor_or_above = folder.name == "ide" || folder.name == "platform" || folder.name == "app";
    if (editor_or_above) folder.may_include.push_back("assist");
    if (editor_or_above) folder.may_include.push_back("checker");
    if (folder.name == "platform" || folder.name == "app") folder.may_include.push_back("compiler");
    if (folder.name == "app") folder.may_include.push_back("checker");
  }
  return folders;
}

IncludeScan CheckIncludes(const std::string& root) {
  IncludeScan scan;
  std::vector<LayerFolder> folders = LayerFolders();
  for (const LayerFolder& folder : folders) {
    std::vector<fs::path> files = SourcesUnder(fs::path(root) / folder.name);
    if (!files.empty()) scan.folders_read.push_back(folder.name);
    for (const fs::path& file : files) {
      std::string shown = fs::relative(file, root).generic_string();
      CheckFile(file, shown, folder, folders, &scan);
    }
  }
  return scan;
}

std::string Describe(const IncludeFault& fault) {
  std::string folder = fault.file.substr(0, fault.file.find('/'));
  return fault.file + ":" + std::to_string(fault.line) + ": includes " + fault.header + ", which " + folder +
         " may not use";
}

}  // namespace zep
