// zep_refgen OUT.html: writes the HTML reference (assist/reference_html.h)
// from the catalog and the command table as the program installs it. Built
// with the host's compiler and run by the build, which puts the page beside
// zep.exe.
#include <cstdio>
#include <string>

#include "assist/reference_html.h"
#include "runtime/subsystems.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zep_refgen OUT.html\n");
    return 2;
  }
  zep::InstallSubsystems();
  std::string html = zep::BuildReferenceHtml();
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
