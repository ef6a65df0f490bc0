// The checker never cries wolf: no script that runs without an error box
// gets an エラー. The scripts are every shipped example and every
// end-to-end script except those whose `//!` lines expect an error: a
// "ZEP Error" or "ZEP Warning" box (box, box!, boxpress), or an exit code
// other than 0. Those fail on purpose, and some do so before the checker
// could know (a missing file, a full disk), so they prove nothing here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "checker/checker.h"
#include "core/host.h"
#include "core/script_text.h"
#include "runtime/subsystems.h"
#include "tests/doubles/fake_host.h"

namespace zep {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Whether a `//!` line of the script expects an error box or a failing exit.
bool ExpectsError(const std::string& script) {
  std::istringstream lines(script);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("//!", 0) != 0) continue;
    std::istringstream words(line.substr(3));
    std::string directive, argument;
    words >> directive >> argument;
    bool box = directive == "box" || directive == "box!" || directive == "boxpress";
    if (box && (argument == "\"ZEP" )) {
      std::string second;
      words >> second;
      if (second == "Error\"" || second == "Warning\"") return true;
    }
    if (directive == "exit" && argument != "0") return true;
  }
  return false;
}

std::vector<fs::path> Scripts() {
  std::vector<fs::path> paths;
  for (const auto& entry : fs::directory_iterator(ZEP_SOURCE_DIR "/examples")) {
    if (entry.path().extension() == ".zep") paths.push_back(entry.path());
  }
  for (const auto& entry : fs::recursive_directory_iterator(ZEP_SOURCE_DIR "/tests/e2e")) {
    if (entry.path().extension() == ".zep" && !ExpectsError(ReadFile(entry.path()))) paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

TEST(CheckerCorpus, NoErrorInAScriptThatRuns) {
  FakeHost host;
  host_system = &host;
  InstallSubsystems();
  std::vector<fs::path> scripts = Scripts();
  EXPECT_GT(scripts.size(), 130u);
  for (const fs::path& path : scripts) {
    // A file the double's converter refuses is left out: iconv has no
    // U+FEFF in code page 932, where the platform's conversion drops the
    // byte-order marks that encodings/utf8_bom.zep puts on every line.
    std::string bytes = ReadFile(path), text;
    int line = 0;
    if (DecodeScriptText(bytes.data(), bytes.size(), &text, &line) != ScriptText::kRead) continue;
    for (const Problem& p : CheckScript(bytes)) {
      EXPECT_NE(p.kind, Severity::kError)
          << path.lexically_relative(ZEP_SOURCE_DIR).string() << ":" << p.line << ":" << p.column << " " << p.message;
    }
  }
  host_system = nullptr;
}

// The shipped examples do all they say: not even a warning.
TEST(CheckerCorpus, NoProblemInAnExample) {
  FakeHost host;
  host_system = &host;
  InstallSubsystems();
  int examples = 0;
  for (const auto& entry : fs::directory_iterator(ZEP_SOURCE_DIR "/examples")) {
    if (entry.path().extension() != ".zep") continue;
    ++examples;
    for (const Problem& p : CheckScript(ReadFile(entry.path()))) {
      ADD_FAILURE() << entry.path().filename().string() << ":" << p.line << ":" << p.column << " " << p.message;
    }
  }
  EXPECT_GE(examples, 20);
  host_system = nullptr;
}

TEST(CheckerCorpus, TheErrorScriptsAreTheOnesThatSaySo) {
  EXPECT_TRUE(ExpectsError("//! box! \"ZEP Error\" \"x\"\nINIT { }\n"));
  EXPECT_TRUE(ExpectsError("//! exit 3\n"));
  EXPECT_FALSE(ExpectsError("//! exit 0\n//! box \"ZEP Message\" \"x\"\n"));
}

}  // namespace
}  // namespace zep
