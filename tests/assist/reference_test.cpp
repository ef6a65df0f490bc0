// The reference: opening "ZEP2.HLP" or the HTML reference at a name, the
// file URL and jump page, the notes beside the catalog and the command
// table, and the HTML page built from them.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "assist/catalog.h"
#include "assist/command_assist.h"
#include "assist/reference.h"
#include "assist/reference_entries.h"
#include "assist/reference_html.h"
#include "assist/reference_notes.h"
#include "core/command_table.h"
#include "core/errors.h"
#include "core/text.h"
#include "runtime/subsystems.h"
#include "tests/doubles/fake_host.h"
#include "tests/doubles/fake_reference_system.h"

namespace zep {
namespace {

const WindowRef kOwner = reinterpret_cast<WindowRef>(0x77);

class OpenReferenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_system = &host_;
    file_system = &host_;
    reference_system = &references_;
  }
  void TearDown() override {
    host_system = nullptr;
    file_system = nullptr;
    reference_system = nullptr;
  }
  // The calls other than the file lengths asked on the way.
  std::vector<std::string> Calls() const {
    std::vector<std::string> calls;
    for (const std::string& c : host_.calls) {
      if (c.rfind("FileLength ", 0) != 0) calls.push_back(c);
    }
    return calls;
  }

  FakeHost host_;
  FakeReferenceSystem references_{&host_.calls};
};

TEST_F(OpenReferenceTest, AHelpFileBesideTheProgramIsUsedAsItIs) {
  host_.files["C:\\ZEP\\ZEP2.HLP"] = "help";
  host_.files["C:\\ZEP\\zep-reference.html"] = "page";
  OpenReference(kOwner, ReferencePlace::kKeyword, "loop");
  OpenReference(kOwner, ReferencePlace::kKeyword, "CloseFile ;");
  OpenReference(kOwner, ReferencePlace::kContents, nullptr);
  OpenReference(kOwner, ReferencePlace::kSearch, nullptr);
  CloseReference(kOwner);
  std::vector<std::string> expected = {
      "ShowHelpFile C:\\ZEP\\ZEP2.HLP 101 loop",   "ShowHelpFile C:\\ZEP\\ZEP2.HLP 101 CloseFile ;",
      "ShowHelpFile C:\\ZEP\\ZEP2.HLP 3 (none)",   "ShowHelpFile C:\\ZEP\\ZEP2.HLP 105 (none)",
      "ShowHelpFile C:\\ZEP\\ZEP2.HLP 2 (none)",
  };
  EXPECT_EQ(Calls(), expected);
  EXPECT_TRUE(host_.boxes.empty());
}

// Without it, every place opens the window; its pages are the program's own.
TEST_F(OpenReferenceTest, WithoutItTheWindowOpensAtThePlace) {
  struct Row {
    ReferencePlace place;
    const char* keyword;
    const char* call;
  };
  const Row rows[] = {
      {ReferencePlace::kKeyword, "CloseFile ;", "ShowReferenceWindow entry:CloseFile"},
      {ReferencePlace::kKeyword, "\"FILE_NAME\"", "ShowReferenceWindow entry:FILE_NAME"},
      {ReferencePlace::kKeyword, "", "ShowReferenceWindow contents"},
      {ReferencePlace::kContents, nullptr, "ShowReferenceWindow contents"},
      {ReferencePlace::kSearch, nullptr, "ShowReferenceWindow search:"},
      {ReferencePlace::kSearch, "Prin", "ShowReferenceWindow search:Prin"},
  };
  host_.files["C:\\ZEP\\zep-reference.html"] = "page";
  for (const Row& row : rows) {
    host_.calls.clear();
    OpenReference(kOwner, row.place, row.keyword);
    EXPECT_EQ(Calls(), std::vector<std::string>{row.call}) << row.call;
  }
  host_.calls.clear();
  CloseReference(kOwner);
  EXPECT_EQ(Calls(), std::vector<std::string>{}) << "the window closes with the editor";
  EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(OpenReferenceTest, WithoutItTheHtmlReferenceOpensAtTheKeywordsAnchor) {
  host_.files["C:\\ZEP\\zep-reference.html"] = "page";
  OpenReferenceInBrowser(kOwner, ReferencePlace::kKeyword, "CloseFile ;");
  std::vector<std::string> expected = {"ReplaceWholeFile C:\\TEMP\\zep-reference-open.html " +
                                           std::to_string(host_.files["C:\\TEMP\\zep-reference-open.html"].size()),
                                       "OpenDocument C:\\TEMP\\zep-reference-open.html"};
  EXPECT_EQ(Calls(), expected);
  EXPECT_EQ(host_.files["C:\\TEMP\\zep-reference-open.html"],
            JumpPage("file:///C:/ZEP/zep-reference.html#CloseFile"));
  EXPECT_TRUE(host_.boxes.empty());
}

TEST_F(OpenReferenceTest, TheContentsAreThePagesTopAndTheSearchItsIndex) {
  host_.files["C:\\ZEP\\zep-reference.html"] = "page";
  OpenReferenceInBrowser(kOwner, ReferencePlace::kContents, nullptr);
  EXPECT_EQ(Calls(), std::vector<std::string>{"OpenDocument C:\\ZEP\\zep-reference.html"});
  host_.calls.clear();
  OpenReferenceInBrowser(kOwner, ReferencePlace::kSearch, nullptr);
  EXPECT_EQ(Calls().back(), "OpenDocument C:\\TEMP\\zep-reference-open.html");
  EXPECT_NE(host_.files["C:\\TEMP\\zep-reference-open.html"].find("zep-reference.html#index\""),
            std::string::npos);
}

TEST_F(OpenReferenceTest, AJumpPageThatCannotBeWrittenOpensThePageAtItsTop) {
  host_.files["C:\\ZEP\\zep-reference.html"] = "page";
  host_.locked.insert("C:\\TEMP\\zep-reference-open.html");
  OpenReferenceInBrowser(kOwner, ReferencePlace::kKeyword, "Box");
  EXPECT_EQ(Calls().back(), "OpenDocument C:\\ZEP\\zep-reference.html");
}

TEST_F(OpenReferenceTest, AnEmptyKeywordOpensThePageAtItsTop) {
  host_.files["C:\\ZEP\\zep-reference.html"] = "page";
  OpenReferenceInBrowser(kOwner, ReferencePlace::kKeyword, "");
  EXPECT_EQ(Calls(), std::vector<std::string>{"OpenDocument C:\\ZEP\\zep-reference.html"});
}

TEST_F(OpenReferenceTest, AMissingReferenceIsSaid) {
  OpenReferenceInBrowser(kOwner, ReferencePlace::kKeyword, "Box");
  EXPECT_EQ(Calls(), std::vector<std::string>{});
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "リファレンスが見つかりません\nC:\\ZEP\\zep-reference.html");
  EXPECT_EQ(host_.boxes[0].title, "ZEP Error");
  EXPECT_EQ(host_.boxes[0].flags, kBoxOk | kBoxIconExclamation);
}

TEST_F(OpenReferenceTest, APageNothingCanOpenIsSaid) {
  host_.files["C:\\ZEP\\zep-reference.html"] = "page";
  references_.opens = false;
  OpenReferenceInBrowser(kOwner, ReferencePlace::kContents, nullptr);
  ASSERT_EQ(host_.boxes.size(), 1u);
  EXPECT_EQ(host_.boxes[0].text, "リファレンスを開けません\nC:\\ZEP\\zep-reference.html");
}

struct UrlRow {
  const char* path;
  const char* anchor;
  const char* url;
};

const UrlRow kUrlRows[] = {
    {"C:\\ZEP\\zep-reference.html", "Box", "file:///C:/ZEP/zep-reference.html#Box"},
    {"C:\\Program Files\\ZEP\\r.html", "", "file:///C:/Program%20Files/ZEP/r.html"},
    {"\\\\server\\share\\r.html", "loop", "file://server/share/r.html#loop"},
    {"D:\\a#b%c&d\"e\\r.html", "x", "file:///D:/a%23b%25c%26d%22e/r.html#x"},
    // UTF-8 bytes of a Japanese folder name (データ) are percent-encoded.
    {"C:\\\xe3\x83\x87\xe3\x83\xbc\xe3\x82\xbf\\r.html", "SEC",
     "file:///C:/%E3%83%87%E3%83%BC%E3%82%BF/r.html#SEC"},
};

TEST(ReferenceUrl, FileUrlsOfDriveAndNetworkPaths) {
  for (const UrlRow& row : kUrlRows) EXPECT_EQ(FileUrl(row.path, row.anchor), row.url) << row.path;
}

TEST(ReferenceUrl, TheJumpPageSendsTheBrowserOnAtOnce) {
  std::string page = JumpPage("file:///C:/r.html#Box");
  EXPECT_NE(page.find("<meta http-equiv=\"refresh\" content=\"0; url=file:///C:/r.html#Box\">"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"file:///C:/r.html#Box\">"), std::string::npos);
  EXPECT_NE(page.find("location.replace(\"file:///C:/r.html#Box\")"), std::string::npos);
}

struct AnchorRow {
  const char* keyword;
  const char* anchor;
};

const AnchorRow kAnchorRows[] = {
    {"Box", "Box"}, {"CloseFile ;", "CloseFile"}, {"\"FILE_NAME\"", "FILE_NAME"}, {"return ;", "return"},
    {"MOUSE_X", "MOUSE_X"}, {"", ""}, {"ＭＳ", ""},
};

TEST(ReferenceUrl, AnchorsAreTheKeywordsName) {
  for (const AnchorRow& row : kAnchorRows) EXPECT_EQ(ReferenceAnchor(row.keyword), row.anchor) << row.keyword;
}

struct HtmlRow {
  const char* text;
  const char* html;
};

const HtmlRow kHtmlRows[] = {
    {"if(a > b){ 処理内容 }", "if(a &gt; b){ 処理内容 }"},
    {"Print(X,Y,R,W,H,C,\"text\") ;", "Print(X,Y,R,W,H,C,&quot;text&quot;) ;"},
    {"a<b&c", "a&lt;b&amp;c"},
    {"表示", "表示"},  // 95 5C: a trail byte that is a backslash stays
};

TEST(ReferenceHtml, TextIsEscapedByCharacter) {
  for (const HtmlRow& row : kHtmlRows) EXPECT_EQ(HtmlText(row.text), row.html) << row.text;
}

// The page as the build writes it, with every subsystem's commands.
class ReferencePage : public ::testing::Test {
 protected:
  // Two made-up examples: one uses Circle, neither uses Box.
  static void SetUpTestSuite() {
    InstallSubsystems();
    html_ = BuildReferenceHtml({{"moon.zep", "PAINT { Circle(0, 0, 9, 9, 0, 6) ; } // Box"},
                                {"sun.zep", "PAINT { Circle(0, 0, 5, 5, 0, 6) ; }"}});
  }
  static int Count(const std::string& text) {
    int n = 0;
    for (size_t at = html_.find(text); at != std::string::npos; at = html_.find(text, at + 1)) ++n;
    return n;
  }
  // The entry's section of the page.
  static std::string Section(const std::string& name) {
    size_t start = html_.find("<section class=\"entry\" id=\"" + name + "\">");
    if (start == std::string::npos) return "";
    return html_.substr(start, html_.find("</section>", start) - start);
  }
  static std::string html_;
};

std::string ReferencePage::html_;

TEST_F(ReferencePage, EveryEntrysKeywordHasOneAnchor) {
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int i = 0; i < CategoryAt(c).count; ++i) {
      std::string anchor = ReferenceAnchor(HelpKeyword(EntryAt(c, i)->text).c_str());
      EXPECT_EQ(Count("id=\"" + anchor + "\""), 1) << EntryAt(c, i)->text;
    }
  }
}

TEST_F(ReferencePage, EveryCommandOfTheTableHasOneAnchorAndEveryIdIsOnce) {
  for (int i = 0; i < CommandCount(); ++i) {
    EXPECT_EQ(Count(std::string("id=\"") + CommandAt(i).name + "\""), 1) << CommandAt(i).name;
  }
  std::regex id("id=\"([^\"]+)\"");
  std::set<std::string> ids;
  for (auto m = std::sregex_iterator(html_.begin(), html_.end(), id); m != std::sregex_iterator(); ++m) {
    EXPECT_TRUE(ids.insert((*m)[1]).second) << (*m)[1];
  }
  for (const char* fixed : {"top", "contents", "index", "errors", "others", "cat0", "cat14"}) {
    EXPECT_EQ(ids.count(fixed), 1u) << fixed;
  }
}

TEST_F(ReferencePage, EveryLinkLeadsToAnAnchor) {
  std::regex href("href=\"#([^\"]+)\"");
  int links = 0;
  for (auto m = std::sregex_iterator(html_.begin(), html_.end(), href); m != std::sregex_iterator(); ++m) {
    EXPECT_EQ(Count("id=\"" + (*m)[1].str() + "\""), 1) << (*m)[1];
    ++links;
  }
  EXPECT_GT(links, 200) << "the contents, the index and the category links";
}

TEST_F(ReferencePage, TheIndexLinksEveryEntry) {
  size_t index = html_.find("<h2 id=\"index\">");
  ASSERT_NE(index, std::string::npos);
  std::string links = html_.substr(index, html_.find("</p>", index) - index);
  std::regex entry("<section class=\"entry\" id=\"([^\"]+)\">");
  int entries = 0;
  for (auto m = std::sregex_iterator(html_.begin(), html_.end(), entry); m != std::sregex_iterator(); ++m) {
    std::string id = (*m)[1];
    EXPECT_NE(links.find("<a href=\"#" + id + "\">" + id + "</a>"), std::string::npos) << id;
    ++entries;
  }
  std::set<std::string> names;
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int i = 0; i < CategoryAt(c).count; ++i) names.insert(EntryName(EntryAt(c, i)->text));
  }
  for (int i = 0; i < CommandCount(); ++i) names.insert(CommandAt(i).name);
  EXPECT_EQ(entries, static_cast<int>(names.size())) << "every name once";
}

TEST_F(ReferencePage, APageOfWholeShiftJisCharacters) {
  EXPECT_EQ(html_.rfind("<!DOCTYPE html>\n", 0), 0u);
  EXPECT_NE(html_.find("<meta charset=\"Shift_JIS\">"), std::string::npos);
  for (const char* p = html_.c_str(); *p != '\0'; p += CharLength(p)) {
    ASSERT_FALSE(IsLeadByte(*p) && p[1] == '\0');
  }
  EXPECT_EQ(html_.substr(html_.size() - 8), "</html>\n");
}

TEST_F(ReferencePage, AnEntrySaysWhatWhereArgumentsAndErrors) {
  std::string box = Section("Box");
  EXPECT_NE(box.find("<pre class=\"syntax\">Box(XL,YT,XR,YB,OC,IC) ;</pre>"), std::string::npos);
  EXPECT_NE(box.find("<p>長方形、正方形を描く</p>"), std::string::npos);
  EXPECT_NE(box.find("CREATE 以外のサブルーチンで使えます。"), std::string::npos);
  EXPECT_EQ(box.find("値を返す"), std::string::npos);
  EXPECT_NE(box.find("<dt>XL,YT</dt><dd>左上の座標</dd>"), std::string::npos);
  EXPECT_NE(box.find("<span class=\"code\">1</span>色指定の値が無効です"), std::string::npos);
  EXPECT_NE(box.find("<span class=\"code\">8</span>パラメータの数が違います"), std::string::npos);
  EXPECT_NE(Section("GetPixelR").find("値を返すので、式の中でも使えます。"), std::string::npos);
  EXPECT_NE(Section("SetTimer").find("CREATE の中だけで使えます。"), std::string::npos);
  EXPECT_NE(Section("SetWinSize").find("CREATE でもほかのサブルーチンでも使えます。"), std::string::npos);
  EXPECT_NE(Section("sin").find("式の中で使う関数です。"), std::string::npos);
  EXPECT_NE(Section("TIMER").find("タイマーの設定時間ごとに実行される"), std::string::npos);
  EXPECT_NE(Section("StopWaveBuf").find("このもの自身はエラーを起こしません。"), std::string::npos);
}

TEST_F(ReferencePage, AnEntryShowsItsExampleRelatedEntriesAndTheExamplesUsingIt) {
  const ReferenceEntry& circle = *FindReferenceEntry("Circle");
  std::string section = Section("Circle");
  EXPECT_NE(section.find("<pre class=\"example\">" + HtmlText(circle.example) + "</pre>"), std::string::npos);
  EXPECT_NE(section.find("<p>関連：<a href=\"#" + circle.related[0] + "\">" + circle.related[0] + "</a>、"),
            std::string::npos);
  EXPECT_NE(section.find("<p>この言葉を使うサンプル：moon.zep、sun.zep</p>"), std::string::npos);
  EXPECT_EQ(Section("Box").find("この言葉を使うサンプル"), std::string::npos) << "a comment uses nothing";
}

TEST_F(ReferencePage, ANameOfTwoCategoriesIsDescribedOnceAndLinkedFromBoth) {
  std::string mess = Section("MessBox");
  EXPECT_NE(mess.find("分類：<a href=\"#cat2\">"), std::string::npos);
  EXPECT_NE(mess.find("、<a href=\"#cat4\">"), std::string::npos);
  EXPECT_EQ(Count("<section class=\"entry\" id=\"MessBox\">"), 1);
  EXPECT_EQ(Count("<a href=\"#MessBox\">MessBox</a>："), 1) << "the second category's line";
}

TEST_F(ReferencePage, CommandsTheCatalogDoesNotListComeLast) {
  size_t others = html_.find("<h2 id=\"others\">");
  size_t popup = html_.find("<section class=\"entry\" id=\"PopupMenu\">");
  ASSERT_NE(popup, std::string::npos);
  EXPECT_GT(popup, others);
  EXPECT_NE(Section("PopupMenu").find("PopupMenu(&quot;PopupName&quot;) ;"), std::string::npos);
}

TEST_F(ReferencePage, TheErrorListHasEveryMessage) {
  for (int code = 1; code < 256; ++code) {
    if (ErrorMessage(code) == nullptr) continue;
    EXPECT_NE(html_.find("<li><span class=\"code\">" + std::to_string(code) + "</span>" + ErrorMessage(code)),
              std::string::npos)
        << code;
  }
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The names an entry's syntax line gives its arguments: between its first
// parenthesis and the matching one, split at commas, quotes dropped.
std::vector<std::string> SyntaxArguments(const std::string& syntax) {
  size_t open = syntax.find('('), close = syntax.find(')', open);
  std::vector<std::string> names;
  if (open == std::string::npos || close == open + 1) return names;
  std::string inside = syntax.substr(open + 1, close - open - 1), name;
  for (char c : inside + ",") {
    if (c == ',') {
      names.push_back(name);
      name.clear();
    } else if (c != '"') {
      name += c;
    }
  }
  return names;
}

// The argument names a note explains: the parts before "：", split at commas.
std::set<std::string> NoteArguments(const ReferenceNote& note) {
  std::set<std::string> names;
  std::string text = note.arguments;
  size_t line = 0;
  while (line < text.size()) {
    size_t end = text.find('\n', line);
    if (end == std::string::npos) end = text.size();
    std::string part = text.substr(line, end - line);
    size_t colon = part.find("：");
    EXPECT_NE(colon, std::string::npos) << note.name << ": " << part;
    std::string name;
    for (char c : part.substr(0, colon) + ",") {
      if (c == ',') {
        names.insert(name);
        name.clear();
      } else if (c != '"') {
        name += c;
      }
    }
    line = end + 1;
  }
  return names;
}

TEST(ReferenceNotes, EveryCommandFunctionAndStatementHasANote) {
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int i = 0; i < CategoryAt(c).count; ++i) {
      const CatalogEntry* e = EntryAt(c, i);
      bool needs = e->kind != EntryKind::kSection && e->kind != EntryKind::kVariable;
      EXPECT_EQ(FindReferenceNote(EntryName(e->text).c_str()) != nullptr, needs) << e->text;
    }
  }
  InstallSubsystems();
  for (int i = 0; i < CommandCount(); ++i) {
    EXPECT_NE(FindReferenceNote(CommandAt(i).name), nullptr) << CommandAt(i).name;
  }
}

TEST(ReferenceNotes, EachNoteBelongsToTheCatalogOrTheTableOnce) {
  InstallSubsystems();
  std::set<std::string> listed, commands, seen;
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int i = 0; i < CategoryAt(c).count; ++i) listed.insert(EntryName(EntryAt(c, i)->text));
  }
  for (int i = 0; i < CommandCount(); ++i) commands.insert(CommandAt(i).name);
  for (int i = 0; i < ReferenceNoteCount(); ++i) {
    const ReferenceNote& note = ReferenceNoteAt(i);
    EXPECT_TRUE(seen.insert(note.name).second) << note.name;
    if (listed.count(note.name)) {
      EXPECT_EQ(note.syntax, nullptr) << note.name << ": the catalog gives its syntax";
      EXPECT_EQ(note.description, nullptr) << note.name;
    } else {
      EXPECT_EQ(commands.count(note.name), 1u) << note.name << " is neither listed nor a command";
      EXPECT_NE(note.syntax, nullptr) << note.name << " is not in the catalog: it needs its own syntax";
      EXPECT_NE(note.description, nullptr) << note.name;
    }
  }
}

TEST(ReferenceNotes, ErrorCodesAreKnownAndInOrder) {
  for (int i = 0; i < ReferenceNoteCount(); ++i) {
    const ReferenceNote& note = ReferenceNoteAt(i);
    int last = 0;
    for (int k = 0; k < kMaxNoteErrors && note.errors[k] != 0; ++k) {
      EXPECT_NE(ErrorMessage(note.errors[k]), nullptr) << note.name << " " << int(note.errors[k]);
      EXPECT_GT(note.errors[k], last) << note.name;
      last = note.errors[k];
    }
  }
}

TEST(ReferenceNotes, EveryArgumentOfTheSyntaxIsExplained) {
  for (int c = 0; c < kCategoryCount; ++c) {
    for (int i = 0; i < CategoryAt(c).count; ++i) {
      const CatalogEntry* e = EntryAt(c, i);
      const ReferenceNote* note = FindReferenceNote(EntryName(e->text).c_str());
      if (note == nullptr) continue;
      // Case aside: SubScreen's argument names differ in case between its two entries.
      std::set<std::string> explained;
      for (const std::string& name : NoteArguments(*note)) explained.insert(Lower(name));
      for (const std::string& name : SyntaxArguments(e->text)) {
        EXPECT_EQ(explained.count(Lower(name)), 1u) << e->text << ": " << name;
      }
    }
  }
}

}  // namespace
}  // namespace zep
