// The examples as a course through the language: every category of the
// command assist has an example that uses several of its entries, every
// example names itself on its first line and says what to try, and the
// guide's gallery shows each example with its picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "assist/catalog.h"
#include "assist/example_uses.h"
#include "ide/samples.h"

namespace zep {
namespace {

// "Several": an example shows a category when it uses this many of the
// category's entries (or all of them, in a smaller category).
constexpr int kSeveral = 3;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<ExampleScript> ReadExamples() {
  std::vector<ExampleScript> examples;
  for (const auto& entry : std::filesystem::directory_iterator(ZEP_SOURCE_DIR "/examples")) {
    if (entry.path().extension() != ".zep") continue;
    examples.push_back({entry.path().filename().string(), ReadFile(entry.path())});
  }
  std::sort(examples.begin(), examples.end(),
            [](const ExampleScript& a, const ExampleScript& b) { return a.name < b.name; });
  return examples;
}

// The names of the entries of category c that the script names.
std::set<std::string> EntriesUsed(const std::set<std::string>& names, int c) {
  std::set<std::string> used;
  for (int i = 0; i < CategoryAt(c).count; ++i) {
    std::string name = EntryName(EntryAt(c, i)->text);
    if (names.count(name) != 0) used.insert(name);
  }
  return used;
}

// For each category, the example that uses the most of its entries uses
// several of them. Removing the one example of a category fails here.
TEST(ShippedExamples, EveryCategoryHasAnExampleUsingSeveralOfItsEntries) {
  std::vector<ExampleScript> examples = ReadExamples();
  ASSERT_FALSE(examples.empty());
  std::vector<std::set<std::string>> names;
  for (const ExampleScript& e : examples) names.push_back(NamesInScript(e.bytes));
  for (int c = 0; c < kCategoryCount; ++c) {
    SCOPED_TRACE(testing::Message() << "category " << c << " " << CategoryAt(c).name);
    size_t best = 0;
    std::string best_example, best_entries;
    for (size_t e = 0; e < examples.size(); ++e) {
      std::set<std::string> used = EntriesUsed(names[e], c);
      if (used.size() <= best) continue;
      best = used.size();
      best_example = examples[e].name;
      best_entries.clear();
      for (const std::string& name : used) best_entries += " " + name;
    }
    size_t wanted = static_cast<size_t>(std::min(kSeveral, CategoryAt(c).count));
    EXPECT_GE(best, wanted) << "best: " << (best == 0 ? "none" : best_example + ":" + best_entries);
  }
}

// The first line holds the menu's title, "// タイトル：…"; the comment lines
// that follow it before the code say what to try ("// ためしてみよう：").
TEST(ShippedExamples, EachHasATitleAndSaysWhatToTry) {
  for (const ExampleScript& e : ReadExamples()) {
    SCOPED_TRACE(e.name);
    std::string title = SampleTitle(e.bytes, e.name);
    EXPECT_NE(title, e.name.substr(0, e.name.size() - 4));
    EXPECT_EQ(e.bytes.rfind("// " + title + "：", 0), 0u);
    std::istringstream lines(e.bytes);
    std::string line;
    bool tries = false;
    int header = 0;
    while (std::getline(lines, line) && line.rfind("//", 0) == 0) {
      ++header;
      if (line.rfind("// ためしてみよう：", 0) == 0) tries = true;
    }
    EXPECT_GE(header, 3) << "a header of a few lines";
    EXPECT_TRUE(tries) << "no line \"// ためしてみよう：\" in the header";
  }
}

// The guide's gallery (docs/guide.md) has a row per example, naming it as
// `NAME.zep` with its picture pictures/NAME.png, and no row for an example
// that is not shipped.
TEST(ShippedExamples, TheGuideShowsEachWithItsPicture) {
  std::string guide = ReadFile(ZEP_SOURCE_DIR "/docs/guide.md");
  ASSERT_FALSE(guide.empty());
  std::set<std::string> rows;
  std::istringstream lines(guide);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("| `", 0) != 0) continue;
    size_t end = line.find(".zep`");
    if (end == std::string::npos) continue;
    std::string stem = line.substr(3, end - 3);
    rows.insert(stem + ".zep");
    EXPECT_NE(line.find("![](pictures/" + stem + ".png)"), std::string::npos) << line;
    EXPECT_TRUE(std::filesystem::exists(ZEP_SOURCE_DIR "/docs/pictures/" + stem + ".png")) << stem;
  }
  std::set<std::string> shipped;
  for (const ExampleScript& e : ReadExamples()) shipped.insert(e.name);
  EXPECT_EQ(rows, shipped);
}

}  // namespace
}  // namespace zep
