// The command-assist catalog: its shape, exact Shift-JIS bytes of a sample
// of its texts, the descriptions shared by entries of one meaning, and that
// every entry names something the interpreter knows.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "assist/catalog.h"
#include "core/args.h"
#include "core/command_table.h"
#include "core/errors.h"
#include "core/text.h"
#include "runtime/events.h"
#include "tests/run/run_fixture.h"

namespace zep {
namespace {

std::string Hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char b : bytes) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 15];
  }
  return hex;
}

// Every entry, with its place, for the tests that look at all of them.
struct Placed {
  int category, index;
  const CatalogEntry* entry;
};

std::vector<Placed> AllEntries() {
  std::vector<Placed> all;
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int i = 0; i < CategoryAt(c).count; ++i) all.push_back({c, i, EntryAt(c, i)});
  }
  return all;
}

// The category names in Shift-JIS, and how many entries each holds.
struct CategoryRow {
  const char* name_hex;
  int count;
};

const CategoryRow kCategoryRows[kCategoryCount] = {
    {"834f8389837483428362834e", 25},                                // グラフィック
    {"82528263834f8389837483428362834e", 18},                        // ３Ｄグラフィック
    {"95b68e9a97f1955c8ea6", 7},                                     // 文字列表示
    {"837483408343838b8f88979d", 14},                                // ファイル処理
    {"8345834283938368834581418381836a8385815b", 14},                // ウィンドウ、メニュー
    {"835283938367838d815b838b288ba492ca29", 5},                     // コントロール(共通)
    {"835283938367838d815b838b28837b835e839329", 9},                 // コントロール(ボタン)
    {"835283938367838d815b838b288347836683428362836729", 26},        // コントロール(エディット)
    {"835283938367838d815b838b28838a8358836729", 6},                 // コントロール(リスト)
    {"835283938367838d815b838b288358834e838d815b838b29", 3},         // コントロール(スクロール)
    {"8354834583938368", 11},                                        // サウンド
    {"82bb82cc91bc82cc8352837d8393836881418ad69094", 17},            // その他のコマンド、関数
    {"90a78ce495b6", 5},                                             // 制御文
    {"975c96f183548375838b815b83608393", 24},                        // 予約サブルーチン
    {"975c96f195cf9094", 20},                                        // 予約変数
};

TEST(Catalog, CategoriesInBoxOrderWithTheirEntryCounts) {
  int total = 0;
  for (int c = 0; c < kCategoryCount; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(Hex(CategoryAt(c).name), kCategoryRows[c].name_hex);
    EXPECT_EQ(CategoryAt(c).count, kCategoryRows[c].count);
    total += CategoryAt(c).count;
  }
  EXPECT_EQ(total, 204);
}

TEST(Catalog, EntriesOutsideTheCatalogAreNone) {
  EXPECT_EQ(EntryAt(-1, 0), nullptr);
  EXPECT_EQ(EntryAt(15, 0), nullptr);
  EXPECT_EQ(EntryAt(0, -1), nullptr);
  EXPECT_EQ(EntryAt(0, 25), nullptr);
  EXPECT_EQ(EntryAt(9, 3), nullptr);
  ASSERT_NE(EntryAt(9, 2), nullptr);
  EXPECT_STREQ(EntryAt(9, 2)->text, "GetScrollPos(\"ID_scroll\") ;");
}

// A sample of texts and descriptions, byte for byte in Shift-JIS.
struct ByteRow {
  int category, index;
  const char* text_hex;
  const char* description_hex;
};

const ByteRow kByteRows[] = {
    // Box(XL,YT,XR,YB,OC,IC) ; / 長方形、正方形を描く
    {0, 0, "426f7828584c2c59542c58522c59422c4f432c494329203b", "92b795fb8c60814190b395fb8c6082f0956082ad"},
    // AscType(AsciiCode) ; / 文字の種類を返す(１バイト：１、その他：０)
    {2, 4, "41736354797065284173636969436f646529203b",
     "95b68e9a82cc8eed97de82f095d482b7288250836f8343836781468250814182bb82cc91bc8146824f29"},
    // loop(n){ 処理内容 } / 繰り返し処理
    {12, 0, "6c6f6f70286e297b208f88979d93e09765207d", "8c4a82e895d482b58f88979d"},
    // call("SubName") ; / サブルーチンを呼び出し実行
    {12, 1, "63616c6c28225375624e616d652229203b", "83548375838b815b8360839382f08cc482d18f6f82b58ec08d73"},
    // "FILE_NAME" / 起動または最後に開いたファイル名（フルパス）
    {14, 10, "2246494c455f4e414d4522",
     "8b4e93ae82dc82bd82cd8dc58ce382c98a4a82a282bd837483408343838b96bc81698374838b83708358816a"},
};

TEST(Catalog, SampleTextsAreExactShiftJis) {
  for (const ByteRow& row : kByteRows) {
    SCOPED_TRACE(testing::Message() << row.category << "," << row.index);
    const CatalogEntry* entry = EntryAt(row.category, row.index);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(Hex(entry->text), row.text_hex);
    EXPECT_EQ(Hex(entry->description), row.description_hex);
  }
}

// One place of each category, first and last entries, as shown and pasted.
struct TextRow {
  int category, index;
  const char* text;
};

const TextRow kTextRows[] = {
    {0, 24, "SelectScreen(n) ;"},
    {1, 2, "Add3DPack(pack_n,x1,y1,z1,x2,y2,z2,x3,y3,z3,r,g,b) ;"},
    {1, 17, "Load3DPack(pack_n) ;"},
    {2, 0, "Print(X,Y,R,W,H,C,\"text\") ;"},
    {3, 4, "CloseFile ;"},
    {4, 9, "SetMenuStyle(\"PopupMenuName\",check,color) ;"},
    {5, 4, "KillControlFocus ;"},
    {6, 8, "BmpBtPoint(\"ID_button\",X,Y,C) ;"},
    {7, 13, "GetEditText(\"ID_editA\",st,sp,\"ID_editB\") ;"},
    {8, 5, "GetComboText(\"ID_combo\",\"ID_edit\") ;"},
    {9, 0, "SetScrollRange(\"ID_scroll\",renge) ;"},
    {10, 2, "StopWaveBuf() ;"},
    {11, 3, "SubScreen(Wide,Height) ;"},
    {11, 16, "rand(s)"},
    {12, 2, "if(a > b){ 処理内容 }"},
    {13, 23, "VSCROLLBAR"},
    {14, 19, "SEC"},
};

TEST(Catalog, TextsAsListed) {
  for (const TextRow& row : kTextRows) {
    ASSERT_NE(EntryAt(row.category, row.index), nullptr) << row.text;
    EXPECT_STREQ(EntryAt(row.category, row.index)->text, row.text);
  }
}

// Whole characters only: no lead byte without its trail byte.
bool WholeShiftJis(const char* s) {
  for (const char* p = s; *p != '\0'; p += CharLength(p)) {
    if (IsLeadByte(*p) && p[1] == '\0') return false;
  }
  return true;
}

TEST(Catalog, EveryEntryHasOneLineOfText) {
  for (const Placed& p : AllEntries()) {
    SCOPED_TRACE(p.entry->text);
    EXPECT_NE(p.entry->text[0], '\0');
    EXPECT_NE(p.entry->description[0], '\0');
    EXPECT_EQ(std::string(p.entry->description).find_first_of("\r\n"), std::string::npos);
    EXPECT_TRUE(WholeShiftJis(p.entry->text));
    EXPECT_TRUE(WholeShiftJis(p.entry->description));
    EXPECT_FALSE(EntryName(p.entry->text).empty());
  }
}

TEST(Catalog, NoEntryTwiceInOneCategory) {
  for (int c = 0; c < kCategoryCount; ++c) {
    std::set<std::string> names;
    for (int i = 0; i < CategoryAt(c).count; ++i) {
      EXPECT_TRUE(names.insert(EntryName(EntryAt(c, i)->text)).second) << EntryAt(c, i)->text;
    }
  }
}

// Commands listed in two categories, and the dialog forms of the BMP
// commands, show one description.
TEST(Catalog, OneMeaningOneDescription) {
  std::map<std::string, std::string> seen;
  int shared = 0;
  for (const Placed& p : AllEntries()) {
    std::string name = EntryName(p.entry->text);
    auto [at, fresh] = seen.emplace(name, p.entry->description);
    if (!fresh) {
      ++shared;
      EXPECT_EQ(at->second, p.entry->description) << name;
    }
  }
  EXPECT_EQ(shared, 6) << "MessBox, ReadFileToEdit, WriteFileFromEdit, SubScreen, WinExec, WinHelp";
  EXPECT_STREQ(EntryAt(0, 12)->description, EntryAt(0, 11)->description);  // LoadBMPDlg, LoadBMP
  EXPECT_STREQ(EntryAt(0, 14)->description, EntryAt(0, 13)->description);  // SaveBMPDlg, SaveBMP
  EXPECT_STREQ(EntryAt(0, 23)->text, "SubScreen(wide,height) ;");
  EXPECT_STREQ(EntryAt(11, 3)->text, "SubScreen(Wide,Height) ;");
}

TEST(Catalog, EntryNames) {
  EXPECT_EQ(EntryName("Box(XL,YT,XR,YB,OC,IC) ;"), "Box");
  EXPECT_EQ(EntryName("CloseFile ;"), "CloseFile");
  EXPECT_EQ(EntryName("\"FILE_NAME\""), "FILE_NAME");
  EXPECT_EQ(EntryName("loop(n){ 処理内容 }"), "loop");
  EXPECT_EQ(EntryName("Set3DLocalRotateX(pack_n,r) ;"), "Set3DLocalRotateX");
  EXPECT_EQ(EntryName("MOUSE_X"), "MOUSE_X");
}

TEST(Catalog, KindsFollowTheCategories) {
  std::vector<std::string> functions;
  for (const Placed& p : AllEntries()) {
    EntryKind expected = p.category == 12   ? EntryKind::kStatement
                         : p.category == 13 ? EntryKind::kSection
                         : p.category == 14 ? EntryKind::kVariable
                                            : p.entry->kind;
    EXPECT_EQ(p.entry->kind, expected) << p.entry->text;
    if (p.entry->kind == EntryKind::kFunction) functions.push_back(EntryName(p.entry->text));
  }
  std::vector<std::string> expected = {"AscType", "sin",  "cos", "tan", "asin", "acos",
                                       "atan",    "sqrt", "fix", "abs", "rand"};
  EXPECT_EQ(functions, expected);
}

// The catalog against the interpreter: every entry must name a command of
// the table, a function of the evaluator, a control statement, a section an
// event runs or a reserved name, so that the two cannot drift apart.
class CatalogAgainstInterpreter : public RunTest {
 protected:
  // The command entries that the installed command table does not know.
  std::vector<std::string> UnknownCommands(bool three_d) {
    std::vector<std::string> unknown;
    for (const Placed& p : AllEntries()) {
      if (p.entry->kind != EntryKind::kCommand || (p.category == 1) != three_d) continue;
      std::string name = EntryName(p.entry->text);
      if (FindCommand(name.c_str(), kPhaseBoth) == nullptr) unknown.push_back(name);
    }
    return unknown;
  }
};

TEST_F(CatalogAgainstInterpreter, EveryCommandEntryIsInTheCommandTable) {
  EXPECT_EQ(UnknownCommands(false), std::vector<std::string>());
}

TEST_F(CatalogAgainstInterpreter, Every3DEntryIsInTheCommandTable) {
  EXPECT_EQ(UnknownCommands(true), std::vector<std::string>());
}

TEST_F(CatalogAgainstInterpreter, EveryFunctionEvaluates) {
  for (const Placed& p : AllEntries()) {
    if (p.entry->kind != EntryKind::kFunction) continue;
    std::string call = EntryName(p.entry->text) + "(1)";
    Eval(call.c_str());
    EXPECT_EQ(error_code, 0) << call;
    ClearError();
  }
}

TEST_F(CatalogAgainstInterpreter, EveryReservedNameIsRead) {
  for (const Placed& p : AllEntries()) {
    if (p.entry->kind != EntryKind::kVariable) continue;
    std::string name = EntryName(p.entry->text);
    if (p.entry->text[0] == '"') {
      EXPECT_EQ(FindControlIndex(name.c_str()), -2) << "the reserved string " << name;
    } else {
      Eval(name.c_str());
      EXPECT_EQ(error_code, 0) << name;
    }
    ClearError();
  }
}

TEST_F(CatalogAgainstInterpreter, EveryStatementRuns) {
  std::map<std::string, std::string> uses = {
      {"loop", "loop(2){n=n+1;}"}, {"call", "call(\"SUB\");"}, {"if", "if(n>1){n=n+10;}"},
      {"return", ""},              {"end", "end;"},
  };
  for (const Placed& p : AllEntries()) {
    if (p.entry->kind == EntryKind::kStatement) {
      EXPECT_EQ(uses.count(EntryName(p.entry->text)), 1u) << p.entry->text;
    }
  }
  ASSERT_EQ(Load("MAIN{n=0;loop(2){n=n+1;}if(n>1){n=n+10;}call(\"SUB\");end;n=0;}SUB{n=n+100;return;n=0;}"), 0);
  RunSection(kWindow, "MAIN");
  EXPECT_EQ(error_code, 0);
  EXPECT_EQ(Var("n"), 112);
}

// The sections that the run window's portable event steps run by name.
TEST_F(CatalogAgainstInterpreter, EverySectionThatAnEventStepRunsIsNamedAlike) {
  std::string script = "CREATE{created=1;}";
  std::set<std::string> sections;
  for (const Placed& p : AllEntries()) {
    if (p.entry->kind != EntryKind::kSection) continue;
    sections.insert(p.entry->text);
    if (std::string(p.entry->text) != "CREATE") {
      script += std::string(p.entry->text) + "{ran_" + p.entry->text + "=1;}";
    }
  }
  ASSERT_EQ(sections.size(), 24u);
  ASSERT_EQ(Load(script.c_str()), 0);
  EXPECT_EQ(Var("created"), 1);
  OnRunCreate(kWindow);
  OnRunSize(kWindow, 10, 10);
  OnRunMove(kWindow, 10, 10);
  OnRunTimer(kWindow);
  OnRunMouseMove(kWindow, 1, 1);
  OnRunKey(kWindow, true, 65);
  OnRunKey(kWindow, false, 65);
  OnRunChar(kWindow, 65);
  OnRunSetFocus(kWindow);
  OnRunScroll(kWindow, ScrollBar::kHorizontal, ScrollStep::kLineForward, 0);
  OnRunScroll(kWindow, ScrollBar::kVertical, ScrollStep::kLineForward, 0);
  OnRunClose(kWindow);
  for (const char* name : {"INIT", "SIZE", "MOVE", "TIMER", "MOUSEMOVE", "KEYDOWN", "KEYUP", "CHARDOWN",
                           "SETFOCUS", "HSCROLLBAR", "VSCROLLBAR", "CLOSE"}) {
    EXPECT_EQ(Var((std::string("ran_") + name).c_str()), 1) << name;
  }
  EXPECT_EQ(error_code, 0);
}

}  // namespace
}  // namespace zep
