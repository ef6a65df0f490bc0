// The editor's commands as the user meets them: the window's creation, New,
// Open, Save, Save As and the questions before a text is dropped; Find down;
// Run, Compile and the selection of the failing statement; closing.
#include <gtest/gtest.h>

#include <string>

#include "core/errors.h"
#include "ide/editor_texts.h"
#include "tests/ide/editor_fixture.h"

namespace zep {
namespace {

// --- the window

TEST_F(EditorTest, CreationMakesTheControlsFontTitleAndButtons) {
  OnEditorCreate(kEditor);
  EXPECT_EQ(host_.calls.at(0), "CreateChild msctls_statusbar32 \"\" 50000100 0,0,0,0 id 202");
  EXPECT_TRUE(Called("CreateChild LISTBOX \"\" 50A00101 0,196,400,84 id 203"));
  EXPECT_TRUE(Called("CreateChild RICHEDIT50W \"\" 50B011C4 0,28,400,168 id 200"));
  EXPECT_TRUE(Called("PrepareText"));
  EXPECT_TRUE(Called("LimitText 65535"));
  EXPECT_TRUE(Called("CreateChild COMBOBOX \"\" 50200842 80,4,256,256 id 201"));
  EXPECT_TRUE(Called("SetFont 201"));
  EXPECT_EQ(Title(), "ZEP - [NONAME.ZEP]");
  EXPECT_STREQ(editor.document.file_path, "NONAME.ZEP");
  EXPECT_TRUE(Called("CreateButtonWindow BBtn_class 4,4,22,22"));
  EXPECT_TRUE(Called("CreateButtonWindow BBtn_class 27,4,22,22"));
  EXPECT_TRUE(Called("CreateButtonWindow BBtn_class 50,4,22,22"));
  EXPECT_TRUE(Called("CreateButtonWindow BBtn_class 338,4,22,22"));
  EXPECT_EQ(editor.toolbar.count, 4);
  EXPECT_EQ(editor.document.clean, 1);
}

TEST_F(EditorTest, NothingIsBuiltAfterAControlThatCannotBeMade) {
  for (const char* refused : {"RICHEDIT50W", "COMBOBOX"}) {
    SCOPED_TRACE(refused);
    host_.calls.clear();
    window_system_.title.clear();
    editor.toolbar = Toolbar{};
    control_system_.refuse_class = refused;
    OnEditorCreate(kEditor);
    EXPECT_EQ(Title(), "");
    EXPECT_EQ(editor.toolbar.count, 0);
    EXPECT_FALSE(Called("SetFont 201"));
  }
}

TEST_F(EditorTest, TheTextControlFillsTheWindowBelowTheStrip) {
  Open();
  OnEditorSize(500, 300);
  EXPECT_TRUE(Called("PlaceControl window 0,280,500,20"));
  EXPECT_TRUE(Called("PlaceControl 203 0,196,500,84"));
  EXPECT_TRUE(Called("PlaceControl 200 0,28,500,168"));
}

// Ids the editor does not know (and the search box's notifications) go to
// the platform's default handling.
TEST_F(EditorTest, UnknownIdsAreNotTaken) {
  Open();
  EXPECT_FALSE(OnEditorCommand(12345, 0));
  EXPECT_FALSE(OnEditorCommand(kSearchBoxId, 5));
}

TEST_F(EditorTest, ChangesOfTheTextClearClean) {
  Open();
  OnEditorCommand(kTextControlId, 0x400);  // another notification
  EXPECT_EQ(editor.document.clean, 1);
  Type("x");
  EXPECT_EQ(editor.document.clean, 0);
}

// --- New

TEST_F(EditorTest, NewOnACleanTextAsksOnlyAboutTheTemplate) {
  Open();
  CopyText(file_name, sizeof file_name, "C:\\kept.zep");
  host_.box_answers = {kNo};
  OnEditorCommand(kCmdNew, 0);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].title, "新規作成");
  EXPECT_EQ(host_.boxes[0].text, "標準的な\nＺＥＰプログラムを\n貼付けますか？");
  EXPECT_EQ(host_.boxes[0].flags, 0x24u);  // Yes, No, question icon
  EXPECT_EQ(Text().text, "");
  EXPECT_EQ(Title(), "ZEP - [NONAME.ZEP]");
  EXPECT_STREQ(file_name, "C:\\kept.zep");
  EXPECT_EQ(editor.document.clean, 1);
}

TEST_F(EditorTest, NewWithTheTemplate) {
  Open();
  CopyText(file_name, sizeof file_name, "C:\\old.zep");
  host_.box_answers = {kYes};
  OnEditorCommand(kCmdNew, 0);
  EXPECT_EQ(Text().text, kStandardProgram);
  EXPECT_EQ(Text().sel_start, 0);
  EXPECT_EQ(Text().sel_end, 0);
  EXPECT_STREQ(file_name, "");
  EXPECT_EQ(editor.document.clean, 0);  // the insertion is a change
}

// Yes saves, in place when the document has a name, else through Save As;
// the action follows only a save that succeeded.
struct DropRow {
  const char* name;
  int answer;
  bool named;           // the document was opened from a file
  bool dialog_cancels;  // Save As's dialog is cancelled
  bool locked;          // the file to save cannot be written
  bool dialog;          // Save As's dialog was shown
  bool went_on;         // the action was carried out
  const char* saved;    // the file that then holds the text, or nullptr
};

class NewOnEditedText : public EditorTest, public ::testing::WithParamInterface<DropRow> {};

TEST_P(NewOnEditedText, AsksFirst) {
  const DropRow& row = GetParam();
  Open();
  if (row.named) {
    host_.files["C:\\work\\prog.zep"] = "old";
    OnEditorCommand(kCmdOpen, 0);
  }
  Type("edited");
  std::string text = Text().text;
  editor_system_.dialog_cancels = row.dialog_cancels;
  editor_system_.dialog_path = "C:\\work\\new.zep";
  editor_system_.dialog_name = "new.zep";
  if (row.locked) host_.locked.insert(row.named ? "C:\\work\\prog.zep" : "C:\\work\\new.zep");
  host_.calls.clear();
  host_.boxes.clear();
  host_.box_answers = {row.answer, kNo};
  OnEditorCommand(kCmdNew, 0);
  EXPECT_EQ(host_.boxes.at(0).title, "新規作成");
  EXPECT_EQ(host_.boxes.at(0).text,
            "編集中のデータは変更されています\n消去する前に保存しますか？");
  EXPECT_EQ(host_.boxes.at(0).flags, 0x23u);  // Yes, No, Cancel, question icon
  bool dialog = false;
  for (const std::string& c : host_.calls) dialog = dialog || c.rfind("ChooseScriptFile save", 0) == 0;
  EXPECT_EQ(dialog, row.dialog);
  EXPECT_EQ(Text().text, row.went_on ? "" : text);
  if (row.saved != nullptr) {
    EXPECT_EQ(host_.files[row.saved], text);
  }
}

const DropRow kDropRows[] = {
    {"yes_unnamed_saves_as_and_goes_on", 6, false, false, false, true, true, "C:\\work\\new.zep"},
    {"yes_unnamed_cancelled_stops", 6, false, true, false, true, false, nullptr},
    {"yes_unnamed_refused_stops", 6, false, false, true, true, false, nullptr},
    {"yes_named_saves_in_place_and_goes_on", 6, true, false, false, false, true,
     "C:\\work\\prog.zep"},
    {"yes_named_refused_stops", 6, true, false, true, false, false, nullptr},
    {"no_goes_on", 7, false, false, false, false, true, nullptr},
    {"cancel_stops", 2, true, false, false, false, false, nullptr},
};
INSTANTIATE_TEST_SUITE_P(Answers, NewOnEditedText, ::testing::ValuesIn(kDropRows),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Open

TEST_F(EditorTest, OpenLoadsTheFileAndNamesTheDocument) {
  Open();
  host_.files["C:\\work\\prog.zep"] = "A{x=1;}\r\n";
  OnEditorCommand(kCmdOpen, 0);
  EXPECT_TRUE(Called("ChooseScriptFile open 開く プログラム(*.zep)|*.zep|全ファイル(*.*)|*.*| start NONAME.ZEP"));
  EXPECT_EQ(Text().text, "A{x=1;}\r\n");
  EXPECT_EQ(Title(), "ZEP - [prog.zep]");
  EXPECT_STREQ(editor.document.saved_path, "C:\\work\\prog.zep");
  EXPECT_STREQ(file_name, "C:\\work\\prog.zep");
  EXPECT_EQ(editor.document.clean, 1);
  EXPECT_TRUE(host_.boxes.empty());
}

// The text control keeps whole line ends: a lone one is made whole, and the
// text, no longer the file's, counts as changed.
TEST_F(EditorTest, OpenMakesLoneLineEndsWholeAndCountsThatAsAChange) {
  Open();
  host_.files["C:\\work\\prog.zep"] = "A{\nx=1;\r\r\n}";
  OnEditorCommand(kCmdOpen, 0);
  EXPECT_EQ(Text().text, "A{\r\nx=1;\r\n\r\n}");
  EXPECT_EQ(Title(), "ZEP - [prog.zep]");
  EXPECT_EQ(editor.document.clean, 0);
}

TEST_F(EditorTest, OpenRefusesAFileOf65535BytesAndLoads65534) {
  Open();
  host_.files["C:\\work\\prog.zep"] = std::string(65535, 'a');
  OnEditorCommand(kCmdOpen, 0);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].title, "ZEP Error");
  EXPECT_EQ(host_.boxes[0].text, "ファイルを開けません");
  EXPECT_EQ(host_.boxes[0].flags, 0x30u);
  EXPECT_EQ(host_.box_owners[0], kEditor);
  EXPECT_EQ(Text().text, "");
  host_.files["C:\\work\\prog.zep"] = std::string(65534, 'a');
  OnEditorCommand(kCmdOpen, 0);
  EXPECT_EQ(Text().text.size(), 65534u);
}

TEST_F(EditorTest, OpenReadsUtf8AndRefusesWhatIsNoScript) {
  Open();
  host_.files["C:\\work\\prog.zep"] = std::string("A{}\0rest", 8);
  OnEditorCommand(kCmdOpen, 0);
  EXPECT_NE(LastBox().find("文字コードを読めません"), std::string::npos) << LastBox();
  EXPECT_EQ(Text().text, "");
  host_.files["C:\\work\\prog.zep"] = u8"A{Print(\"あ\");}";
  OnEditorCommand(kCmdOpen, 0);
  EXPECT_EQ(Text().text, "A{Print(\"\x82\xA0\");}") << "converted to Shift-JIS";
}

// A refused Open must not rename the document: the next Save writes where
// the text came from, never over the refused file.
TEST_F(EditorTest, ARefusedOpenKeepsTheDocumentsNames) {
  Open();
  host_.files["C:\\mine.zep"] = "A{}";
  editor_system_.dialog_path = "C:\\mine.zep";
  editor_system_.dialog_name = "mine.zep";
  OnEditorCommand(kCmdOpen, 0);
  Type("B{}");
  host_.files["C:\\big.zep"] = std::string(70000, 'b');
  editor_system_.dialog_path = "C:\\big.zep";
  editor_system_.dialog_name = "big.zep";
  host_.box_answers = {kNo};
  OnEditorCommand(kCmdOpen, 0);
  EXPECT_EQ(LastBox(), "ファイルを開けません");
  EXPECT_STREQ(editor.document.file_path, "C:\\mine.zep");
  EXPECT_STREQ(editor.document.file_title, "mine.zep");
  EXPECT_EQ(Title(), "ZEP - [mine.zep]");
  EXPECT_STREQ(file_name, "C:\\mine.zep");
  OnEditorCommand(kCmdSave, 0);
  EXPECT_EQ(host_.files["C:\\big.zep"], std::string(70000, 'b'));
  EXPECT_EQ(host_.files["C:\\mine.zep"], "B{}A{}");
}

TEST_F(EditorTest, ACancelledOpenLoadsNothingButSetsFileName) {
  Open();
  Type("x");
  editor.document.clean = 1;
  editor_system_.dialog_cancels = true;
  OnEditorCommand(kCmdOpen, 0);
  EXPECT_EQ(Text().text, "x");
  EXPECT_STREQ(file_name, "NONAME.ZEP");
}

TEST_F(EditorTest, OpenOnEditedTextAsks) {
  Open();
  Type("x");
  host_.box_answers = {kCancel};
  OnEditorCommand(kCmdOpen, 0);
  EXPECT_EQ(host_.boxes.at(0).title, "ファイルを開く");
  EXPECT_EQ(host_.boxes.at(0).text,
            "編集中のデータは変更されています\n他のファイルを開く前に保存しますか？");
  EXPECT_FALSE(Called("ChooseScriptFile open 開く プログラム(*.zep)|*.zep|全ファイル(*.*)|*.*| start NONAME.ZEP"));
}

// --- Save and Save As

TEST_F(EditorTest, SaveOfAnEmptyTextSaysSo) {
  Open();
  OnEditorCommand(kCmdSave, 0);
  OnEditorCommand(kCmdSaveAs, 0);
  OnEditorCommand(kCmdSaveButton, 0);
  ASSERT_EQ(host_.boxes.size(), 3u);
  for (const ShownBox& box : host_.boxes) {
    EXPECT_EQ(box.text, "内容がありません");
    EXPECT_EQ(box.title, "ZEP Error");
  }
}

TEST_F(EditorTest, SaveAfterNewAsksForANameStartingWithNoname) {
  Open();
  host_.box_answers = {kYes};
  OnEditorCommand(kCmdNew, 0);
  editor_system_.dialog_path = "C:\\work\\first";
  editor_system_.dialog_name = "first";
  CopyText(file_name, sizeof file_name, "C:\\other");
  OnEditorCommand(kCmdSave, 0);
  EXPECT_TRUE(Called("ChooseScriptFile save 名前を付けて保存 プログラム(*.zep)|*.zep|全ファイル(*.*)|*.*| start NONAME.ZEP"));
  EXPECT_EQ(host_.files["C:\\work\\first.zep"], kStandardProgram);
  EXPECT_EQ(Title(), "ZEP - [first.zep]");
  EXPECT_EQ(editor.document.clean, 1);
  EXPECT_STREQ(file_name, "C:\\other");  // not from the menu: FILE_NAME stays
}

TEST_F(EditorTest, SaveWritesInPlaceOnlyWhenEdited) {
  Open();
  host_.files["C:\\work\\prog.zep"] = "A{}";
  OnEditorCommand(kCmdOpen, 0);
  host_.calls.clear();
  OnEditorCommand(kCmdSave, 0);
  EXPECT_TRUE(host_.calls.empty());  // clean: nothing written
  Type("B{}");
  host_.calls.clear();
  OnEditorCommand(kCmdSaveButton, 0);
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"ReplaceWholeFile C:\\work\\prog.zep 6"}));
  EXPECT_EQ(host_.files["C:\\work\\prog.zep"], "B{}A{}");
  EXPECT_EQ(editor.document.clean, 1);
}

TEST_F(EditorTest, AFailedWriteKeepsTheFileTheNamesAndTheEditedState) {
  Open();
  host_.files["C:\\work\\prog.zep"] = "A{}";
  OnEditorCommand(kCmdOpen, 0);
  Type("B{}");
  host_.locked.insert("C:\\work\\prog.zep");
  OnEditorCommand(kCmdSave, 0);
  EXPECT_EQ(LastBox(), "ファイルを開けません");
  EXPECT_EQ(host_.files["C:\\work\\prog.zep"], "A{}");
  EXPECT_EQ(editor.document.clean, 0);
  editor_system_.dialog_path = "C:\\locked\\new.zep";
  editor_system_.dialog_name = "new.zep";
  host_.locked.insert("C:\\locked\\new.zep");
  OnEditorCommand(kCmdSaveAs, 0);
  EXPECT_EQ(LastBox(), "ファイルを開けません");
  EXPECT_STREQ(editor.document.file_path, "C:\\work\\prog.zep");
  EXPECT_STREQ(editor.document.file_title, "prog.zep");
  EXPECT_EQ(Title(), "ZEP - [prog.zep]");
  EXPECT_EQ(editor.document.clean, 0);
}

TEST_F(EditorTest, SaveAsFromTheMenuAddsZepAndSetsFileName) {
  Open();
  Type("A{}");
  editor_system_.dialog_path = "D:\\work\\prog";
  editor_system_.dialog_name = "prog";
  OnEditorCommand(kCmdSaveAs, 0);
  EXPECT_EQ(host_.files["D:\\work\\prog.zep"], "A{}");
  EXPECT_STREQ(editor.document.file_title, "prog.zep");
  EXPECT_STREQ(editor.document.saved_path, "D:\\work\\prog.zep");
  EXPECT_STREQ(file_name, "D:\\work\\prog.zep");
  editor_system_.dialog_cancels = true;
  CopyText(file_name, sizeof file_name, "x");
  OnEditorCommand(kCmdSaveAs, 0);
  EXPECT_STREQ(file_name, "x");  // a cancelled dialog changes nothing
}

// --- closing

TEST_F(EditorTest, CloseOfASavedTextEndsAtOnce) {
  Open();
  OnEditorClose();
  EXPECT_TRUE(Called("DestroyEditor"));
  EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(EditorTest, CloseOfAnEditedTextAsks) {
  Open();
  Type("A{}");
  editor_system_.dialog_path = "C:\\saved.zep";
  editor_system_.dialog_name = "saved.zep";
  host_.box_answers = {kYes};
  OnEditorClose();
  EXPECT_EQ(host_.boxes.at(0).title, "終  了");
  EXPECT_EQ(host_.boxes.at(0).text, "ＺＥＰ を終了します\n終了する前に保存しますか？");
  EXPECT_EQ(host_.files["C:\\saved.zep"], "A{}");
  EXPECT_TRUE(Called("DestroyEditor"));  // Yes saves, then closes as asked
  EXPECT_EQ(host_.boxes.size(), 1u);
}

TEST_F(EditorTest, ExitCommandAsksToCloseAndTheEndQuits) {
  Open();
  OnEditorCommand(kCmdExit, 0);
  EXPECT_TRUE(Called("PostCloseRequest"));
  host_.calls.clear();
  OnEditorDestroy();
  EXPECT_TRUE(Called("Help ZEP2.HLP 2"));
  EXPECT_EQ(host_.calls.back(), "PostQuit 0");
  EXPECT_EQ(control_system_.fonts_alive, 0);
  EXPECT_TRUE(button_system_.live_surfaces.empty());
}

// --- Find down

TEST_F(EditorTest, FindSelectsTheNextMatchAndKeepsAHistory) {
  Open();
  Type("ab ab ab");
  Select(0, 0);
  Search().text = "ab";
  OnEditorCommand(kCmdFindButton, 0);
  EXPECT_EQ(Text().sel_start, 3);
  EXPECT_EQ(Text().sel_end, 5);
  EXPECT_TRUE(Called("ControlFocus 200"));
  OnEditorCommand(kCmdFindButton, 0);
  EXPECT_EQ(Text().sel_start, 6);
  OnEditorCommand(kCmdFindButton, 0);
  EXPECT_EQ(LastBox(), "検索文字列が見つかりません");
  EXPECT_EQ(Text().sel_start, 6);
  Search().text = "b";
  OnEditorCommand(kCmdFindButton, 0);
  Search().text = "ab";
  OnEditorCommand(kCmdFindButton, 0);
  EXPECT_EQ(Search().items, (std::vector<std::string>{"ab", "b"}));
}

// The control counts characters: after double-byte characters the match
// is selected where it is, not where its byte offset would put it.
TEST_F(EditorTest, FindSelectsByCharactersAfterDoubleByteText) {
  Open();
  Type("表示 x=1;\r\n表示 x=2;");
  Select(0, 0);
  Search().text = "x=2";
  OnEditorCommand(kCmdFindButton, 0);
  EXPECT_EQ(Selected(), "x=2");
  Search().text = "表示";
  Select(0, 0);
  OnEditorCommand(kCmdFindButton, 0);
  EXPECT_EQ(Selected(), "表示");
  EXPECT_EQ(Text().sel_start, 9);  // the second 表示, in characters
}

TEST_F(EditorTest, FindWithNothingToFindOrSearch) {
  Open();
  OnEditorCommand(kCmdFindButton, 0);  // empty search string: nothing at all
  EXPECT_TRUE(host_.boxes.empty());
  EXPECT_TRUE(Search().items.empty());
  Search().text = "a";
  OnEditorCommand(kCmdFindButton, 0);  // empty text
  EXPECT_EQ(LastBox(), "内容がありません");
}

TEST_F(EditorTest, ASearchStringIsCutTo511Bytes) {
  Open();
  std::string wanted(510, 'a');
  wanted += "表表";  // the first 表 would take bytes 511 and 512
  Type(std::string(520, 'a') + "表表");
  Select(0, 0);
  Search().text = wanted;
  OnEditorCommand(kCmdFindButton, 0);
  EXPECT_EQ(Search().items.at(0), std::string(510, 'a'));
}

// --- Run and Compile

TEST_F(EditorTest, RunOpensTheRunWindowWithTheEditorsText) {
  Open();
  Type("CREATE{SetCaption(\"走る\");}\r\nINIT{n=5;}");
  OnEditorCommand(kCmdRunButton, 0);
  EXPECT_TRUE(Called("OpenRunWindow"));
  EXPECT_EQ(run_window, FakeEditorSystem::kRunWindow);
  EXPECT_STREQ(window_settings.caption, "走る");
  EXPECT_EQ(Var("n"), 5);
  EXPECT_EQ(run_state.running, 1);
  OnEditorCommand(kCmdRun, 0);
  EXPECT_EQ(LastBox(), "既にアプリケーションが実行中です");
  OnEditorCommand(kCmdCompile, 0);
  EXPECT_EQ(LastBox(), "既にアプリケーションが実行中です");
  OnRunDestroy(run_window);
  EXPECT_EQ(run_state.running, 0);
}

TEST_F(EditorTest, RunOfAnEmptyText) {
  Open();
  OnEditorCommand(kCmdRun, 0);
  EXPECT_EQ(LastBox(), "内容がありません");
  EXPECT_FALSE(Called("OpenRunWindow"));
}

TEST_F(EditorTest, RunsLongerThanADirectRunAreAllowed) {
  Open();
  std::string script = "CREATE{}\r\nINIT{n=1;}\r\n// " + std::string(40000, 'x') + "\r\n";
  Type(script);
  EXPECT_EQ(RunFromEditor(kEditor), 1);
  EXPECT_EQ(Var("n"), 1);
}

TEST_F(EditorTest, ALoadErrorIsOwnedByTheEditorAndItsStatementSelected) {
  Open();
  Type("CREATE {\r\n  SetWinSize(100, 100) ;\r\n  Data(\"a\", 0, 1) ;\r\n}\r\n");
  EXPECT_EQ(RunFromEditor(kEditor), 0);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.box_owners[0], kEditor);
  EXPECT_EQ(host_.boxes[0].text.find("サブルーチン : CREATE"), 0u);
  EXPECT_EQ(Selected(), "Data(\"a\", 0, 1) ;");
  EXPECT_EQ(run_state.running, 0);
  EXPECT_FALSE(Called("OpenRunWindow"));
}

TEST_F(EditorTest, ARunTimeErrorSelectsTheFailingStatementWhenTheRunEnds) {
  Open();
  Type("// 表示のテスト\r\nCREATE { }\r\nTIMER {\r\n  ボ = 1 ;\r\n  x = y + 1 ;\r\n}\r\n");
  ASSERT_EQ(RunFromEditor(kEditor), 1);
  Select(0, 0);
  RunSection(run_window, "TIMER");
  EXPECT_EQ(error_code, kErrUndefined);
  EXPECT_EQ(LastBox().find("サブルーチン : TIMER"), 0u);  // the box as it always is
  EXPECT_EQ(Selected(), "");  // not while the run's window is still there
  OnRunDestroy(run_window);
  EXPECT_EQ(Selected(), "x = y + 1 ;");
}

TEST_F(EditorTest, NoSelectionWhenTheTextChangedDuringTheRun) {
  Open();
  Type("CREATE{}\r\nTIMER{x=y;}");
  ASSERT_EQ(RunFromEditor(kEditor), 1);
  Select(0, 0);
  Type("// new\r\n");
  RunSection(run_window, "TIMER");
  OnRunDestroy(run_window);
  EXPECT_EQ(Text().sel_start, Text().sel_end);
}

TEST_F(EditorTest, ARunWindowThatCannotBeMadeEndsTheRun) {
  Open();
  Type("CREATE{}");
  editor_system_.run_window_fails = true;
  EXPECT_EQ(RunFromEditor(kEditor), 0);
  EXPECT_EQ(LastBox(), "実行ウィンドウが開けません！");
  EXPECT_EQ(run_state.running, 0);
  editor_system_.run_window_fails = false;
  EXPECT_EQ(RunFromEditor(kEditor), 1);  // the next Run works
}

TEST_F(EditorTest, CompileChecksInOrder) {
  Open();
  OnEditorCommand(kCmdCompile, 0);
  EXPECT_EQ(LastBox(), "内容がありません");
  Type("CREATE{}");
  OnEditorCommand(kCmdCompile, 0);
  EXPECT_EQ(LastBox(), "ソースコードにファイル名を付けて保存してください");
  OnEditorCommand(kCmdSaveAs, 0);
  size_t boxes = host_.boxes.size();
  OnEditorCommand(kCmdCompile, 0);
  EXPECT_EQ(host_.boxes.size(), boxes);
  EXPECT_TRUE(Called("OpenCompileDialog CREATE{} " + std::string(editor.document.saved_path)))
      << "the dialog gets the text as it stands and the saved path";
  OnEditorCommand(kCmdPaletteAssist, 0);
  EXPECT_TRUE(Called("OpenAssist 132"));
}

}  // namespace
}  // namespace zep
