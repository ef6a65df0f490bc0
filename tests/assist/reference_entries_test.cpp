// The one source of the reference's entries: every name the interpreter
// knows has one that says what it is, and the search finds entries by any
// part of a name, a description or an error message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/reference_entries.h"
#include "core/args.h"
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

// What a command of the table still needs, named: its row's argument
// letters, and in the reference's one source its note (arguments and
// codes), a short example and the entries to look at next. The letters and
// the syntax line agree on the count, and on which arguments are texts.
std::string Missing(const CommandRow& row) {
  std::string missing;
  const ReferenceEntry* entry = FindReferenceEntry(row.name);
  if (row.args == nullptr) missing += "; no argument letters in its row";
  if (entry == nullptr || entry->note == nullptr) {
    missing += "; no note in assist/reference_notes.cpp";
  }
  if (entry == nullptr || entry->example[0] == '\0' || entry->related.empty()) {
    missing += "; no example and related names in assist/reference_examples.cpp";
  }
  if (entry == nullptr || row.args == nullptr || row.args[0] == '*') return missing;
  std::string syntax = entry->syntax;
  size_t open = syntax.find('('), close = syntax.rfind(')');
  std::string inside = open == std::string::npos || close == std::string::npos
                           ? ""
                           : syntax.substr(open + 1, close - open - 1);
  std::string letters;
  for (int k = 0; k < CountArgs(inside.c_str()); ++k) {
    const char* start;
    size_t length;
    FindArg(inside.c_str(), k, &start, &length);
    letters += start[0] == '"' ? 't' : 'i';
  }
  std::string declared = row.args;
  for (char& c : declared) c = std::string("trcvs").find(c) != std::string::npos ? 't' : 'i';
  if (letters != declared) {
    missing += "; its letters \"" + std::string(row.args) + "\" do not match " + entry->syntax;
  }
  return missing;
}

TEST_F(ReferenceEntriesTest, EveryCommandHasItsLettersNoteExampleAndRelatedNames) {
  for (int i = 0; i < CommandCount(); ++i) {
    EXPECT_EQ(Missing(CommandAt(i)), "") << CommandAt(i).name;
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
