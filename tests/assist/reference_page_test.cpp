// The reference window's pages: what an entry's page tells, where its
// links stand in the text control, the rich text that carries them (with
// every Shift-JIS trail byte escaped), the guide's chapters as pages, and
// the bitmaps a page may show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/guide_pages.h"
#include "assist/reference_page.h"
#include "runtime/subsystems.h"

namespace zep {
namespace {

// The page's text as the control shows it, links in [brackets], pictures
// as <name>.
std::string Shown(const Page& page) {
  std::string text;
  for (const PageRun& run : page.runs) {
    if (run.style == PageStyle::kLink) {
      text += "[" + run.text + "]";
    } else if (run.style == PageStyle::kPicture) {
      text += "<" + run.text + ">";
    } else {
      text += run.text;
    }
  }
  return text;
}

std::vector<ExampleRef> UsedByHello(const std::string& name) {
  if (name == "Circle") return {{"hello.zep", "はじめてのZEP"}};
  return {};
}

class ReferencePageTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallSubsystems(); }
};

TEST_F(ReferencePageTest, AnEntrysPageTellsItsSyntaxArgumentsErrorsAndTheExamplesThatUseIt) {
  Page page = ReferencePage("entry:Circle", UsedByHello);
  std::string shown = Shown(page);
  EXPECT_EQ(page.title, "Circle");
  for (const char* part : {"Circle(XL,YT,XR,YB,OC,IC) ;\n", "使える所\nCREATE 以外のサブルーチンで使えます。\n",
                           "  OC　枠の色", "エラー\n  1　色指定の値が無効です\n", "[はじめてのZEP]（hello.zep）\n",
                           "[グラフィック]", "[ブラウザで開く]"}) {
    EXPECT_NE(shown.find(part), std::string::npos) << part << "\n" << shown;
  }
}

TEST_F(ReferencePageTest, TargetsLeadToTheirPagesAndAnUnknownOneToTheContents) {
  struct Row {
    const char* target;
    const char* title;
    const char* holds;
  };
  const Row rows[] = {
      {"category:0", "グラフィック", "[Box]　長方形、正方形を描く\n"},
      {"others", "その他のコマンド", "コマンドアシストには並んでいないコマンドです。"},
      {"search:長方形", "検索：長方形", "[Box]　長方形、正方形を描く\n"},
      {"search:Qqq", "検索：Qqq", "見つかりません。"},
      {"entry:Boxx", "検索：Boxx", "見つかりません。"},  // a misspelt name is searched for
      {"category:99", "目次", "[サウンド]"},
      {"category:1x", "目次", "[その他のコマンド]"},
      {"nowhere", "目次", "[このリファレンスをブラウザで開く]"},
  };
  for (const Row& row : rows) {
    Page page = ReferencePage(row.target, nullptr);
    EXPECT_EQ(page.title, row.title) << row.target;
    EXPECT_NE(Shown(page).find(row.holds), std::string::npos) << row.target << "\n" << Shown(page);
  }
}

// A double-byte character, a paragraph's end and a picture count one
// character each in the control.
TEST_F(ReferencePageTest, LinksStandWhereTheControlCountsThem) {
  Page page{"t",
            {{PageStyle::kTitle, "題名\n", ""},
             {PageStyle::kPicture, "a.png", ""},
             {PageStyle::kText, "ab", ""},
             {PageStyle::kLink, "次へ", "guide:2"},
             {PageStyle::kLink, "Box", "entry:Box"}}};
  std::vector<PageLink> links = PageLinks(page);
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[0].from, 6);
  EXPECT_EQ(links[0].to, 8);
  EXPECT_EQ(links[0].target, "guide:2");
  EXPECT_EQ(links[1].from, 8);
  EXPECT_EQ(links[1].to, 11);
}

// "表" is 0x95 0x5C: its trail byte is a backslash, which rich text would
// read as the start of a control word.
TEST_F(ReferencePageTest, RichTextEscapesEveryDoubleByteCharacterAndTheSpecialBytes) {
  Page page{"t", {{PageStyle::kCode, "表{a}\\b\n", ""}, {PageStyle::kPicture, "p.png", ""}}};
  std::string rtf = PageRtf(page, [](const std::string& name) { return "{\\pict " + name + "}"; });
  EXPECT_NE(rtf.find("{\\f1\\fs20\\cf3 \\'95\\'5c\\{a\\}\\\\b\\par\n}{\\pict p.png}}"), std::string::npos) << rtf;
  EXPECT_EQ(rtf.compare(0, 6, "{\\rtf1"), 0);
}

std::string Dib(int32_t width, int32_t height, uint16_t bits, uint32_t compression, size_t pixel_bytes) {
  std::string dib(40, '\0');
  auto put = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) dib[at + i] = static_cast<char>(v >> (8 * i));
  };
  put(0, 40);
  put(4, static_cast<uint32_t>(width));
  put(8, static_cast<uint32_t>(height));
  put(12, 1u | static_cast<uint32_t>(bits) << 16);
  put(16, compression);
  return dib + std::string(pixel_bytes, '\x7f');
}

TEST_F(ReferencePageTest, OnlyAWholeUncompressedBitmapBecomesAPicture) {
  struct Row {
    std::string dib;
    bool shown;
  };
  const Row rows[] = {
      {Dib(2, 2, 32, 0, 16), true},
      {Dib(3, 1, 24, 0, 12), true},       // rows are padded to four bytes
      {Dib(3, 1, 24, 0, 9), false},       // a short last row
      {Dib(2, -2, 32, 0, 16), true},      // top row first
      {Dib(2, 2, 32, 1, 16), false},      // compressed
      {Dib(2, 2, 16, 0, 16), false},      // a depth it does not take
      {Dib(0, 2, 32, 0, 16), false},      // no width
      {Dib(5000, 1, 32, 0, 20000), false},  // larger than any picture of the guide
      {Dib(8, 1, 1, 0, 8 + 4), true},     // two colours and a row
      {Dib(8, 1, 1, 0, 4), false},        // no room for its colours
      {std::string(30, '\0'), false},
  };
  for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
    std::string rtf = DibPictureRtf(rows[i].dib);
    EXPECT_EQ(!rtf.empty(), rows[i].shown) << "row " << i;
  }
  std::string start = "{\\pict\\dibitmap0\\picw2\\pich2\\picwgoal30\\pichgoal30\n28000000";
  EXPECT_EQ(DibPictureRtf(Dib(2, 2, 32, 0, 16)).substr(0, start.size()), start);
}

const char kGuide[] =
    "# はじめてのZEP\n"
    "入門です。ZEP では、\n絵を描けます。\n"
    "\n"
    "## 1. 動かす\n"
    "- `zep.exe` を**ダブルクリック**\n"
    "  します。\n"
    "![エディタ](editor.png)\n"
    "[ガイド](guide.md) を読む\n"
    "```\n"
    "# これはコードです\n"
    "CREATE {\n"
    "```\n"
    "| キー | すること |\n"
    "| --- | --- |\n"
    "| F5 | 実行 |\n"
    "## 2. 色\n"
    "### 番号\n"
    "0 は黒\n"
    "#\n"
    "#タグ\n";

TEST(GuidePagesTest, ChaptersAreTheHeadingsOutsideCode) {
  EXPECT_EQ(GuideChapters(kGuide), (std::vector<std::string>{"はじめてのZEP", "1. 動かす", "2. 色"}));
  EXPECT_TRUE(GuideChapters("no headings\n").empty());
}

TEST(GuidePagesTest, EachChapterReadsAsTheGuideShowsIt) {
  EXPECT_EQ(Shown(GuidePage(kGuide, 0)),
            "はじめてのZEP\n入門です。ZEP では、絵を描けます。\nもくじ\n[1. 動かす]\n[2. 色]\n");
  EXPECT_EQ(Shown(GuidePage(kGuide, 1)),
            "1. 動かす\n・zep.exe をダブルクリックします。\n<editor.png>\nガイド を読む\n"
            "# これはコードです\nCREATE {\nキー　すること\nF5　実行\nつぎへ\n[2. 色]\n");
  // "#" without a blank after it is no heading.
  EXPECT_EQ(Shown(GuidePage(kGuide, 2)), "2. 色\n番号\n0 は黒# #タグ\n");
  EXPECT_TRUE(GuidePage(kGuide, 3).runs.empty());
  EXPECT_TRUE(GuidePage(kGuide, -1).runs.empty());
  std::vector<PageLink> links = PageLinks(GuidePage(kGuide, 0));
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[1].target, "guide:2");
}

}  // namespace
}  // namespace zep
