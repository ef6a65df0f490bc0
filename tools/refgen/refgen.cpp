// zep_refgen OUT.html EXAMPLES: writes the HTML reference
// (assist/reference_html.h) from the catalog and the command table as the
// program installs it, naming under each entry the example scripts of the
// folder EXAMPLES (*.zep) that use it. Built with the host's compiler and
// run by the build, which puts the page beside zep.exe.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "assist/reference_html.h"
#include "runtime/subsystems.h"

namespace {

// The folder's example scripts by file name; false when it cannot be read.
bool ReadExamples(const char* folder, std::vector<zep::ExampleScript>* examples) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() != ".zep") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    if (!in) return false;
    examples->push_back({entry.path().filename().string(), bytes.str()});
  }
  std::sort(examples->begin(), examples->end(),
            [](const zep::ExampleScript& a, const zep::ExampleScript& b) { return a.name < b.name; });
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zep_refgen OUT.html EXAMPLES\n");
    return 2;
  }
  std::vector<zep::ExampleScript> examples;
  if (!ReadExamples(argv[2], &examples)) {
    std::fprintf(stderr, "zep_refgen: cannot read the examples in %s\n", argv[2]);
    return 1;
  }
  zep::InstallSubsystems();
  std::string html = zep::BuildReferenceHtml(examples);
  std::FILE* out = std::fopen(argv[1], "wb");
  bool written = out != nullptr && std::fwrite(html.data(), 1, html.size(), out) == html.size();
  if (out != nullptr && std::fclose(out) != 0) written = false;
  if (!written) {
    std::fprintf(stderr, "zep_refgen: cannot write %s\n", argv[1]);
    std::remove(argv[1]);
    return 1;
  }
  return 0;
}
