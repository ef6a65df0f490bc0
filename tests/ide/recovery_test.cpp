// Recovery copies: when the timer writes one and under which name, which
// saves and drops remove it, which copies the start offers and what Yes and
// No do with them, and the test option that shortens the timer.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "ide/recovery.h"
#include "tests/ide/editor_fixture.h"

namespace zep {
namespace {

// --- when the timer writes

struct StepRow {
  const char* name;
  int32_t clean;
  const char* text;
  const char* copy_name;  // "" for no copy kept
  const char* copy_text;
  RecoveryStep step;
};
void PrintTo(const StepRow& row, std::ostream* out) { *out << row.name; }

const StepRow kStepRows[] = {
    {"unchanged_text", 1, "A{}", "", "", RecoveryStep::kNothing},
    {"unchanged_text_with_a_copy", 1, "A{}", "NONAME.ZEP", "A", RecoveryStep::kNothing},
    {"changed_without_a_copy", 0, "A{}", "", "", RecoveryStep::kWrite},
    {"changed_like_the_copy", 0, "A{}", "NONAME.ZEP", "A{}", RecoveryStep::kNothing},
    {"changed_unlike_the_copy", 0, "A{}B{}", "NONAME.ZEP", "A{}", RecoveryStep::kWrite},
    {"emptied_with_a_copy", 0, "", "NONAME.ZEP", "A{}", RecoveryStep::kRemove},
    {"emptied_without_a_copy", 0, "", "", "", RecoveryStep::kNothing},
};

class RecoveryStepRows : public ::testing::TestWithParam<StepRow> {};

TEST_P(RecoveryStepRows, Decides) {
  const StepRow& row = GetParam();
  RecoveryCopy copy;
  CopyText(copy.name, sizeof copy.name, row.copy_name);
  copy.text = row.copy_text;
  EXPECT_EQ(RecoveryStepFor(row.clean, row.text, copy), row.step);
}

INSTANTIATE_TEST_SUITE_P(Steps, RecoveryStepRows, ::testing::ValuesIn(kStepRows),
                         [](const auto& info) { return std::string(info.param.name); });

// --- names

TEST(RecoveryFileName, TheDocumentsNameOrNoname) {
  EditorDocument d;
  EXPECT_STREQ(RecoveryFileName(d), "NONAME.ZEP");
  NameDocument(d, "C:\\work\\prog.zep", "prog.zep");
  EXPECT_STREQ(RecoveryFileName(d), "prog.zep");
  d.saved_path[0] = '\0';  // as New leaves it: the old name, but no file
  EXPECT_STREQ(RecoveryFileName(d), "NONAME.ZEP");
}

struct FreeNameRow {
  const char* name;
  const char* wanted;
  std::set<std::string> taken;
  size_t cap;
  const char* free;  // nullptr: none fits
};
void PrintTo(const FreeNameRow& row, std::ostream* out) { *out << row.name; }

bool Taken(const char* name, void* context) {
  return static_cast<const std::set<std::string>*>(context)->count(name) != 0;
}

std::set<std::string> Numbered(const std::string& base, int from, int to) {
  std::set<std::string> names = {base + ".ZEP"};
  for (int k = from; k <= to; ++k) names.insert(base + " (" + std::to_string(k) + ").ZEP");
  return names;
}

const FreeNameRow kFreeNameRows[] = {
    {"free", "NONAME.ZEP", {}, 260, "NONAME.ZEP"},
    {"taken", "NONAME.ZEP", {"NONAME.ZEP"}, 260, "NONAME (2).ZEP"},
    {"second_taken", "NONAME.ZEP", {"NONAME.ZEP", "NONAME (2).ZEP"}, 260, "NONAME (3).ZEP"},
    {"tenth", "NONAME.ZEP", Numbered("NONAME", 2, 9), 260, "NONAME (10).ZEP"},
    {"all_taken", "NONAME.ZEP", Numbered("NONAME", 2, 99), 260, nullptr},
    {"last_dot_only", "my.game.zep", {"my.game.zep"}, 260, "my.game (2).zep"},
    {"no_dot", "prog", {"prog"}, 260, "prog (2)"},
    {"fits_exactly", "A.ZEP", {"A.ZEP"}, 10, "A (2).ZEP"},
    {"too_long", "A.ZEP", {"A.ZEP"}, 9, nullptr},
};

class FreeNameRows : public ::testing::TestWithParam<FreeNameRow> {};

TEST_P(FreeNameRows, NeverAFileOfAnother) {
  const FreeNameRow& row = GetParam();
  std::set<std::string> taken = row.taken;
  char out[260] = "";
  bool found = FreeCopyName(row.wanted, Taken, &taken, out, row.cap);
  EXPECT_EQ(found, row.free != nullptr);
  if (row.free != nullptr) {
    EXPECT_STREQ(out, row.free);
  }
}

INSTANTIATE_TEST_SUITE_P(Names, FreeNameRows, ::testing::ValuesIn(kFreeNameRows),
                         [](const auto& info) { return std::string(info.param.name); });

// --- which copies are offered

TEST(CopiesToOffer, NewestFirstWithoutEmptyOnesAndUnfinishedWrites) {
  std::vector<FolderFile> files = {
      {"old.zep", 10, 100},   {"NONAME.ZEP", 5, 300},  {"b.zep", 3, 200},
      {"a.zep", 3, 200},      {"NONAME.ZEP~", 9, 400}, {"empty.zep", 0, 500},
  };
  std::vector<std::string> names;
  for (const FolderFile& f : CopiesToOffer(files)) names.push_back(f.name);
  std::vector<std::string> expected = {"NONAME.ZEP", "a.zep", "b.zep", "old.zep"};
  EXPECT_EQ(names, expected);
}

// --- the test option

struct OptionRow {
  const char* name;
  const char* line;
  int32_t ms;
  const char* rest;
};
void PrintTo(const OptionRow& row, std::ostream* out) { *out << row.name; }

const OptionRow kOptionRows[] = {
    {"with_a_script", "--zep-test-recovery-ms=500 x.zep", 500, "x.zep"},
    {"alone", "--zep-test-recovery-ms=250", 250, ""},
    {"before_the_fault_option", "--zep-test-recovery-ms=500 --zep-test-fault=access:INIT",
     500, "--zep-test-fault=access:INIT"},
    {"none", "x.zep", kRecoveryIntervalMs, "x.zep"},
    {"zero", "--zep-test-recovery-ms=0 x.zep", kRecoveryIntervalMs, "x.zep"},
    {"not_a_number", "--zep-test-recovery-ms=soon x.zep", kRecoveryIntervalMs, "x.zep"},
    {"too_long", "--zep-test-recovery-ms=99999999999999 x", kRecoveryIntervalMs, "x"},
    {"an_hour", "--zep-test-recovery-ms=3600000", 3600000, ""},
};

class OptionRows : public ::testing::TestWithParam<OptionRow> {};

TEST_P(OptionRows, SetsTheInterval) {
  const OptionRow& row = GetParam();
  recovery_interval_ms = kRecoveryIntervalMs;
  EXPECT_STREQ(TakeRecoveryIntervalOption(row.line), row.rest);
  EXPECT_EQ(recovery_interval_ms, row.ms);
  recovery_interval_ms = kRecoveryIntervalMs;
}

INSTANTIATE_TEST_SUITE_P(Options, OptionRows, ::testing::ValuesIn(kOptionRows),
                         [](const auto& info) { return std::string(info.param.name); });

// --- the editor's copy

class RecoveryTest : public EditorTest {
 protected:
  static inline const std::string kFolder = "C:\\AppData\\ZEP\\recovery";
  static inline const std::string kNoname = kFolder + "\\NONAME.ZEP";
  std::string Copy(const std::string& name) { return kFolder + "\\" + name; }
  bool Exists(const std::string& path) { return host_.files.count(path) != 0; }
  int Writes(const std::string& path) {
    int n = 0;
    for (const std::string& c : host_.calls) n += c.rfind("ReplaceWholeFile " + path + " ", 0) == 0;
    return n;
  }
  void Tick() { OnRecoveryTimer(); }
};

TEST_F(RecoveryTest, AChangedTextIsWrittenWhenItDiffersFromTheCopy) {
  Open();
  Tick();
  EXPECT_FALSE(Exists(kNoname)) << "nothing typed yet";
  Type("A{}");
  Tick();
  EXPECT_EQ(host_.files[kNoname], "A{}");
  Tick();
  EXPECT_EQ(Writes(kNoname), 1) << "the same text is not written again";
  Type("B{}");
  Tick();
  EXPECT_EQ(host_.files[kNoname], "A{}B{}");
  EXPECT_EQ(Writes(kNoname), 2);
  EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(RecoveryTest, ACopyLeftFromBeforeIsNotWrittenOver) {
  host_.files[kNoname] = "older work";
  Open();
  Type("A{}");
  Tick();
  EXPECT_EQ(host_.files[kNoname], "older work");
  EXPECT_EQ(host_.files[Copy("NONAME (2).ZEP")], "A{}");
  Type("B{}");
  Tick();
  EXPECT_EQ(host_.files[Copy("NONAME (2).ZEP")], "A{}B{}") << "the copy keeps its file";
}

TEST_F(RecoveryTest, SaveAsRemovesTheCopy) {
  Open();
  Type("A{}");
  Tick();
  ASSERT_TRUE(Exists(kNoname));
  OnEditorCommand(kCmdSave, 0);
  EXPECT_EQ(host_.files["C:\\work\\prog.zep"], "A{}");
  EXPECT_FALSE(Exists(kNoname));
  Type("B{}");
  Tick();
  EXPECT_EQ(host_.files[Copy("prog.zep")], "A{}B{}");
  OnEditorCommand(kCmdSave, 0);  // in place
  EXPECT_FALSE(Exists(Copy("prog.zep")));
}

TEST_F(RecoveryTest, AFailedSaveKeepsTheCopy) {
  Open();
  Type("A{}");
  Tick();
  host_.locked.insert("C:\\work\\prog.zep");
  OnEditorCommand(kCmdSave, 0);
  EXPECT_EQ(LastBox(), "ファイルを開けません");
  EXPECT_EQ(host_.files[kNoname], "A{}");
}

// What each answer to the question before New, Open or closing does to the
// copy: kept while the text stays, removed once it is saved or let go.
constexpr int kYesButton = 6, kNoButton = 7, kCancelButton = 2;

struct DropRow {
  const char* name;
  int command;  // 0: the window's close
  int answer;
  bool kept;
};
void PrintTo(const DropRow& row, std::ostream* out) { *out << row.name; }

class RecoveryDropRows : public RecoveryTest, public ::testing::WithParamInterface<DropRow> {};

TEST_P(RecoveryDropRows, TheCopyFollowsTheText) {
  const DropRow& row = GetParam();
  Open();
  Type("A{}");
  Tick();
  editor_system_.dialog_cancels = row.command == kCmdOpen;  // Open then changes its mind
  host_.box_answers = {row.answer, kNo};
  if (row.command == 0) {
    OnEditorClose();
  } else {
    OnEditorCommand(row.command, 0);
  }
  EXPECT_EQ(Exists(kNoname), row.kept);
}

const DropRow kDropRows[] = {
    {"new_yes", kCmdNew, kYesButton, false},
    {"new_no", kCmdNew, kNoButton, false},
    {"new_cancel", kCmdNew, kCancelButton, true},
    {"open_no", kCmdOpen, kNoButton, false},
    {"open_cancel", kCmdOpen, kCancelButton, true},
    {"close_yes", 0, kYesButton, false},
    {"close_no", 0, kNoButton, false},
    {"close_cancel", 0, kCancelButton, true},
};
INSTANTIATE_TEST_SUITE_P(Answers, RecoveryDropRows, ::testing::ValuesIn(kDropRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The text stays after Open is cancelled: its copy is written again.
TEST_F(RecoveryTest, AKeptTextIsCopiedAgain) {
  Open();
  Type("A{}");
  Tick();
  editor_system_.dialog_cancels = true;
  host_.box_answers = {kNo};
  OnEditorCommand(kCmdOpen, 0);
  ASSERT_FALSE(Exists(kNoname));
  Tick();
  EXPECT_EQ(host_.files[kNoname], "A{}");
}

TEST_F(RecoveryTest, AnEmptiedTextHasNoCopy) {
  Open();
  Type("A{}");
  Tick();
  Select(0, 3);
  Type("");
  Tick();
  EXPECT_FALSE(Exists(kNoname));
}

// Another editor wrote its own text over the copy: this one leaves it.
TEST_F(RecoveryTest, ACopyAnotherEditorWroteIsNotRemoved) {
  Open();
  Type("A{}");
  Tick();
  host_.files[kNoname] = "the other editor's";
  OnEditorCommand(kCmdSave, 0);
  EXPECT_EQ(host_.files[kNoname], "the other editor's");
}

TEST_F(RecoveryTest, AFailedWriteIsSaidOnceUntilOneSucceeds) {
  Open();
  host_.locked.insert(kNoname);
  Type("A{}");
  Tick();
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].title, "ZEP Error");
  EXPECT_EQ(host_.boxes[0].text, "編集中のプログラムの控えを保存できません。\n" + kNoname +
                                     "\n\nこまめに保存してください。");
  Type("B{}");
  Tick();
  EXPECT_EQ(host_.boxes.size(), 1u);
  host_.locked.clear();
  Tick();
  EXPECT_EQ(host_.files[kNoname], "A{}B{}");
  host_.locked.insert(kNoname);
  Type("C{}");
  Tick();
  EXPECT_EQ(host_.boxes.size(), 2u);
}

TEST_F(RecoveryTest, NoFolderIsSaid) {
  editor_system_.recovery_folder = "";
  Open();
  Type("A{}");
  Tick();
  EXPECT_EQ(LastBox(), "編集中のプログラムの控えを保存できません。\n%APPDATA%\\ZEP\\recovery"
                       "\n\nこまめに保存してください。");
}

// --- the copies offered at the start

TEST_F(RecoveryTest, NewestFirstNoRemovesYesRestoresAndStops) {
  host_.files[Copy("old.zep")] = "OLD{}";
  editor_system_.written[Copy("old.zep")] = 100;
  host_.files[Copy("NONAME.ZEP")] = "NEW{}";
  editor_system_.written[Copy("NONAME.ZEP")] = 300;
  host_.files[Copy("mid.zep")] = "MID{}";
  editor_system_.written[Copy("mid.zep")] = 200;
  host_.files[Copy("NONAME.ZEP~")] = "NE";
  host_.files[Copy("empty.zep")] = "";
  Open();
  host_.box_answers = {kNo, kYes};
  OfferRecoveryCopies();
  ASSERT_EQ(host_.boxes.size(), 2u);
  EXPECT_EQ(host_.boxes[0].title, "復元");
  EXPECT_EQ(host_.boxes[0].text,
            "前回、保存されていないプログラムが残っています（NONAME.ZEP）。\n復元しますか？");
  EXPECT_EQ(host_.boxes[0].flags, 0x24u);  // Yes, No, question icon
  EXPECT_EQ(host_.box_owners[0], kEditor);
  EXPECT_EQ(host_.boxes[1].text,
            "前回、保存されていないプログラムが残っています（mid.zep）。\n復元しますか？");
  EXPECT_FALSE(Exists(Copy("NONAME.ZEP")));
  EXPECT_EQ(Text().text, "MID{}");
  EXPECT_EQ(Title(), "ZEP - [NONAME.ZEP]");
  EXPECT_STREQ(editor.document.saved_path, "");
  EXPECT_EQ(editor.document.clean, 0);
  EXPECT_TRUE(Exists(Copy("mid.zep")));
  EXPECT_TRUE(Exists(Copy("old.zep"))) << "offered at the next start";
  EXPECT_TRUE(Exists(Copy("NONAME.ZEP~")));
  EXPECT_TRUE(Exists(Copy("empty.zep")));
}

// The restored text goes on being kept in the same copy until it is saved.
TEST_F(RecoveryTest, ARestoredTextKeepsItsCopy) {
  host_.files[Copy("game.zep")] = "G{}";
  Open();
  host_.box_answers = {kYes};
  OfferRecoveryCopies();
  Tick();
  EXPECT_EQ(Writes(Copy("game.zep")), 0) << "the copy holds the text already";
  Type("x");
  Tick();
  EXPECT_EQ(host_.files[Copy("game.zep")], "xG{}");
  EXPECT_FALSE(Exists(kNoname));
  OnEditorCommand(kCmdSave, 0);
  EXPECT_TRUE(Called("ChooseScriptFile save 名前を付けて保存 プログラム(*.zep)|*.zep|全ファイル(*.*)|*.*| start NONAME.ZEP"));
  EXPECT_FALSE(Exists(Copy("game.zep")));
}

TEST_F(RecoveryTest, ARestoredTextClosedAsksAndNoRemovesItsCopy) {
  host_.files[kNoname] = "A{}";
  Open();
  host_.box_answers = {kYes, kNo};
  OfferRecoveryCopies();
  OnEditorClose();
  ASSERT_EQ(host_.boxes.size(), 2u);
  EXPECT_EQ(host_.boxes[1].title, "終  了");
  EXPECT_FALSE(Exists(kNoname));
  EXPECT_TRUE(Called("DestroyEditor"));
}

// A copy that can't be read, or holds more than the text control takes,
// stays where it is; the next one is offered.
TEST_F(RecoveryTest, ACopyThatCannotBeRestoredStays) {
  host_.files[Copy("big.zep")] = std::string(65536, 'a');
  editor_system_.written[Copy("big.zep")] = 300;
  host_.files[Copy("nul.zep")] = std::string("A\0B", 3);
  editor_system_.written[Copy("nul.zep")] = 200;
  host_.files[Copy("ok.zep")] = std::string(65535, 'a');
  editor_system_.written[Copy("ok.zep")] = 100;
  Open();
  host_.box_answers = {kYes, 1, kYes, 1, kYes};  // each error box is answered OK
  OfferRecoveryCopies();
  ASSERT_EQ(host_.boxes.size(), 5u);
  EXPECT_EQ(host_.boxes[1].text, "ファイルを開けません");
  EXPECT_EQ(host_.boxes[3].text, "ファイルを開けません");
  EXPECT_TRUE(Exists(Copy("big.zep")));
  EXPECT_TRUE(Exists(Copy("nul.zep")));
  EXPECT_EQ(Text().text.size(), 65535u);
}

TEST_F(RecoveryTest, ACopyThatCannotBeRemovedIsSaid) {
  host_.files[kNoname] = "A{}";
  editor_system_.stuck = {kNoname};
  Open();
  host_.box_answers = {kNo};
  OfferRecoveryCopies();
  ASSERT_EQ(host_.boxes.size(), 2u);
  EXPECT_EQ(host_.boxes[1].text, "次のファイルを削除できません。\n" + kNoname);
  EXPECT_EQ(Text().text, "");
}

}  // namespace
}  // namespace zep
