// Every entry of the reference has a short example that names it and runs
// on the recording doubles as a pupil would meet it (with the entry's own
// event, for a section), and two to five related entries to look at next.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "assist/example_uses.h"
#include "assist/reference_entries.h"
#include "assist/reference_examples.h"
#include "core/text.h"
#include "runtime/subsystems.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

// The entries whose examples need a file of their own beside the script,
// which their header names: the example runs without it too (it looks first
// with GetFileLength), and with it here.
const std::map<std::string, std::string> kOutsideFiles = {{"EntryMidiFile", "song.mid"}, {"WinHelp", "help.hlp"}};

TEST(ReferenceExamples, EveryEntryHasANamingExampleAndTwoToFiveRelatedEntries) {
  InstallSubsystems();
  for (const ReferenceEntry& entry : ReferenceEntries()) {
    SCOPED_TRACE(entry.name);
    std::string header(entry.example, std::strcspn(entry.example, "\n"));
    EXPECT_EQ(header.rfind("// ", 0), 0u) << "no opening comment: " << header;
    EXPECT_TRUE(std::any_of(header.begin(), header.end(), IsLeadByte)) << "not in Japanese: " << header;
    EXPECT_EQ(NamesInScript(entry.example).count(entry.name), 1u) << "the example's code does not name it";
    EXPECT_GE(entry.related.size(), 2u);
    EXPECT_LE(entry.related.size(), 5u);
    std::set<std::string> seen;
    for (const std::string& name : entry.related) {
      EXPECT_NE(FindReferenceEntry(name), nullptr) << name;
      EXPECT_NE(name, entry.name);
      EXPECT_TRUE(seen.insert(name).second) << name << " twice";
    }
  }
  for (const auto& [name, file] : kOutsideFiles) {
    EXPECT_NE(std::string(FindReferenceEntry(name)->example).find("// " + file), std::string::npos) << name;
  }
}

TEST(ReferenceExamples, EveryRowIsOfAnEntry) {
  InstallSubsystems();
  for (int i = 0; i < ReferenceExampleCount(); ++i) {
    EXPECT_NE(FindReferenceEntry(ReferenceExampleAt(i).name), nullptr) << ReferenceExampleAt(i).name;
  }
  EXPECT_EQ(static_cast<size_t>(ReferenceExampleCount()), ReferenceEntries().size()) << "a row twice";
}

class ReferenceExampleRun : public RunTest, public ::testing::WithParamInterface<std::string> {
 protected:
  // A section's own event, as the platform sends it: a button's release
  // after its press. CREATE and CLOSE every run meets.
  void FireOwnEvent(const std::string& section) {
    if (section == "SIZE") return OnRunSize(kWindow, 300, 200);
    if (section == "MOVE") return OnRunMove(kWindow, 40, 30);
    if (section == "SETFOCUS") return OnRunSetFocus(kWindow);
    ScrollBar bar = section[0] == 'H' ? ScrollBar::kHorizontal : ScrollBar::kVertical;
    if (section.find("SCROLLBAR") == 1) return OnRunScroll(kWindow, bar, ScrollStep::kThumb, 30);
    if (section == "CREATE" || section == "CLOSE") return;
    if (section.find("BUTTONUP") == 1) OnRunEvent(kWindow, (section.substr(0, 1) + "BUTTONDOWN").c_str());
    OnRunEvent(kWindow, section.c_str());
  }
};

// In a fresh folder but for the outside files, with edit controls that
// count characters as the platform's do; the pupil answers a message box
// "はい" and cancels a file dialog.
TEST_P(ReferenceExampleRun, RunsWithoutAnError) {
  const ReferenceEntry* entry = FindReferenceEntry(GetParam());
  ASSERT_NE(entry, nullptr);
  if (kOutsideFiles.count(entry->name) != 0) host_.files[kOutsideFiles.at(entry->name)] = "MThd";
  host_.box_answer = 6;
  host_.dialog_cancels = true;
  control_system_.character_positions = true;
  RunAsMet(entry->example, true, [&] {
    if (entry->kind == EntryKind::kSection) FireOwnEvent(entry->name);
  });
}

std::vector<std::string> RowNames() {
  std::vector<std::string> names;
  for (int i = 0; i < ReferenceExampleCount(); ++i) names.push_back(ReferenceExampleAt(i).name);
  return names;
}

INSTANTIATE_TEST_SUITE_P(Entries, ReferenceExampleRun, ::testing::ValuesIn(RowNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace zep
