// The one source of the reference's entries: every name the interpreter
// knows has one that says what it is, and the search finds entries by any
// part of a name, a description or an error message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/reference_entries.h"
#include "core/command_table.h"
#include "runtime/subsystems.h"

namespace zep {
namespace {

class ReferenceEntriesTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallSubsystems(); }
};

TEST_F(ReferenceEntriesTest, EveryCommandAndCatalogNameHasAnEntryThatSaysWhatItIs) {
  for (int i = 0; i < CommandCount(); ++i) {
    const ReferenceEntry* entry = FindReferenceEntry(CommandAt(i).name);
    ASSERT_NE(entry, nullptr) << CommandAt(i).name;
    EXPECT_STRNE(entry->description, "") << "a command the reference cannot explain: " << entry->name;
    EXPECT_FALSE(ReferenceUsage(*entry).empty()) << entry->name;
  }
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int i = 0; i < CategoryAt(c).count; ++i) {
      const ReferenceEntry* entry = FindReferenceEntry(EntryName(EntryAt(c, i)->text));
      ASSERT_NE(entry, nullptr) << EntryAt(c, i)->text;
      EXPECT_STRNE(entry->syntax, "");
      EXPECT_FALSE(ReferenceUsage(*entry).empty()) << entry->name;
    }
  }
}

// The first names found for a query, joined by spaces.
std::string Found(const std::string& query, size_t count) {
  std::string names;
  std::vector<const ReferenceEntry*> found = SearchReference(query);
  for (size_t i = 0; i < found.size() && i < count; ++i) {
    names += (i > 0 ? " " : "") + found[i]->name;
  }
  return names;
}

TEST_F(ReferenceEntriesTest, SearchFindsByNameDescriptionAndErrorMessage) {
  struct Row {
    const char* query;
    size_t count;
    const char* names;
  };
  const Row rows[] = {
      {"box", 1, "Box"},          // a name that begins so comes first, in either case
      {"MOUSE_", 2, "MOUSE_X MOUSE_Y"},
      {"長方形", 1, "Box"},        // a word of the description
      {"TIMER", 1, "TIMER"},
      {"zzzz", 5, ""},
      {"", 5, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(Found(row.query, row.count), row.names) << row.query;
  // An error message: the names that can raise it.
  std::vector<const ReferenceEntry*> raising = SearchReference("裏画面が準備");
  bool copy_bmp = false;
  for (const ReferenceEntry* e : raising) copy_bmp = copy_bmp || e->name == "CopyBMP";
  EXPECT_TRUE(copy_bmp);
}

}  // namespace
}  // namespace zep
