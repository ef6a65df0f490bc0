#include "assist/reference_page.h"

#include <cstdlib>
#include <cstring>

#include "assist/catalog.h"
#include "assist/reference_entries.h"
#include "core/errors.h"
#include "core/text.h"

namespace zep {

namespace {

void Add(Page* page, PageStyle style, const std::string& text, const std::string& target = "") {
  page->runs.push_back({style, text, target});
}

void Heading(Page* page, const char* text) { Add(page, PageStyle::kHeading, std::string(text) + "\n"); }

void EntryLink(Page* page, const std::string& name) { Add(page, PageStyle::kLink, name, "entry:" + name); }

// "name　description" a line for each entry.
void EntryLine(Page* page, const ReferenceEntry& entry) {
  EntryLink(page, entry.name);
  Add(page, PageStyle::kText, std::string("　") + entry.description + "\n");
}

Page Contents() {
  Page page{"目次", {}};
  Add(&page, PageStyle::kTitle, "ZEP リファレンス\n");
  Add(&page, PageStyle::kText,
      "コマンド、関数、制御文、予約サブルーチン、予約変数の書き方と働きです。"
      "上の検索の欄に名前や説明の言葉（たとえば「四角」「マウス」）を入れると探せます。"
      "エディタでは、調べたい言葉にカーソルを置いて F1 を押すと、その説明が開きます。\n");
  Heading(&page, "分類");
  for (int c = 0; c < kCategoryCount; ++c) {
    Add(&page, PageStyle::kLink, CategoryAt(c).name, "category:" + std::to_string(c));
    Add(&page, PageStyle::kText, "\n");
  }
  Add(&page, PageStyle::kLink, "その他のコマンド", "others");
  Add(&page, PageStyle::kText, "\n");
  Heading(&page, "ブラウザで読む");
  Add(&page, PageStyle::kLink, "このリファレンスをブラウザで開く", "browser");
  Add(&page, PageStyle::kText, "\n");
  return page;
}

Page Category(int c) {
  Page page{CategoryAt(c).name, {}};
  Add(&page, PageStyle::kTitle, std::string(CategoryAt(c).name) + "\n");
  for (int i = 0; i < CategoryAt(c).count; ++i) {
    const ReferenceEntry* entry = FindReferenceEntry(EntryName(EntryAt(c, i)->text));
    if (entry != nullptr) EntryLine(&page, *entry);
  }
  return page;
}

Page Others() {
  Page page{"その他のコマンド", {}};
  Add(&page, PageStyle::kTitle, "その他のコマンド\n");
  Add(&page, PageStyle::kText, "コマンドアシストには並んでいないコマンドです。\n");
  for (const ReferenceEntry& entry : ReferenceEntries()) {
    if (entry.categories.empty()) EntryLine(&page, entry);
  }
  return page;
}

Page Search(const std::string& query) {
  Page page{"検索：" + query, {}};
  Add(&page, PageStyle::kTitle, "「" + query + "」の検索\n");
  std::vector<const ReferenceEntry*> found = SearchReference(query);
  if (found.empty()) {
    Add(&page, PageStyle::kText,
        "見つかりません。名前の一部（たとえば Box の「Bo」）や、説明の言葉（「四角」「色」）でも探せます。\n");
  }
  for (const ReferenceEntry* entry : found) EntryLine(&page, *entry);
  return page;
}

// The note's argument lines: "names：meaning", the names as code.
void Arguments(Page* page, const char* lines) {
  Heading(page, "引数と値");
  while (*lines != '\0') {
    const char* end = std::strchr(lines, '\n');
    std::string line(lines, end != nullptr ? static_cast<size_t>(end - lines) : std::strlen(lines));
    size_t colon = FindInText(line, "：");
    if (colon != std::string::npos) {
      Add(page, PageStyle::kCode, "  " + line.substr(0, colon));
      Add(page, PageStyle::kText, "　" + line.substr(colon + 2) + "\n");
    } else {
      Add(page, PageStyle::kText, "  " + line + "\n");
    }
    if (end == nullptr) break;
    lines = end + 1;
  }
}

void Errors(Page* page, const uint8_t* codes) {
  Heading(page, "エラー");
  if (codes[0] == 0) Add(page, PageStyle::kText, "  このもの自身はエラーを起こしません。\n");
  for (int i = 0; i < kMaxNoteErrors && codes[i] != 0; ++i) {
    const char* message = ErrorMessage(codes[i]);
    Add(page, PageStyle::kText,
        "  " + std::to_string(codes[i]) + "　" + (message != nullptr ? message : "") + "\n");
  }
}

// A heading and its links on one line, apart by full-width spaces; nothing
// for no links.
void LinkLine(Page* page, const char* heading, const std::vector<PageRun>& links) {
  if (links.empty()) return;
  Heading(page, heading);
  for (size_t i = 0; i < links.size(); ++i) {
    if (i > 0) Add(page, PageStyle::kText, "　");
    page->runs.push_back(links[i]);
  }
  Add(page, PageStyle::kText, "\n");
}

Page Entry(const ReferenceEntry& entry, ExampleFinder examples_using) {
  Page page{entry.name, {}};
  Add(&page, PageStyle::kTitle, entry.name + "\n");
  Add(&page, PageStyle::kCode, std::string(entry.syntax) + "\n");
  if (entry.description[0] != '\0') Add(&page, PageStyle::kText, std::string(entry.description) + "\n");
  std::string usage = ReferenceUsage(entry);
  if (!usage.empty()) {
    Heading(&page, "使える所");
    Add(&page, PageStyle::kText, usage + "\n");
  }
  if (entry.note != nullptr && entry.note->arguments != nullptr && entry.note->arguments[0] != '\0') {
    Arguments(&page, entry.note->arguments);
  }
  if (entry.note != nullptr) Errors(&page, entry.note->errors);
  if (entry.example[0] != '\0') {
    Heading(&page, "例");
    std::string example = entry.example;
    if (!example.empty() && example.back() != '\n') example += '\n';
    Add(&page, PageStyle::kCode, example);
    Add(&page, PageStyle::kLink, "この例を新しい文書で開く", "example:" + entry.name);
    Add(&page, PageStyle::kText, "\n");
  }
  std::vector<PageRun> related, categories;
  for (const std::string& name : entry.related) related.push_back({PageStyle::kLink, name, "entry:" + name});
  LinkLine(&page, "関連", related);
  std::vector<ExampleRef> examples = examples_using != nullptr ? examples_using(entry.name)
                                                               : std::vector<ExampleRef>{};
  if (!examples.empty()) {
    Heading(&page, "この言葉を使うサンプル");
    for (const ExampleRef& example : examples) {
      Add(&page, PageStyle::kLink, example.title, "sample:" + example.file_name);
      Add(&page, PageStyle::kText, "（" + example.file_name + "）\n");
    }
  }
  for (int c : entry.categories) {
    categories.push_back({PageStyle::kLink, CategoryAt(c).name, "category:" + std::to_string(c)});
  }
  LinkLine(&page, "分類", categories);
  Add(&page, PageStyle::kLink, "ブラウザで開く", "browser:" + entry.name);
  Add(&page, PageStyle::kText, "\n");
  return page;
}

// The characters of a run's text in the text control.
int32_t RunLength(const PageRun& run) {
  return run.style == PageStyle::kPicture ? 1 : CharOffsetOf(run.text, run.text.size());
}

void AppendEscaped(std::string* rtf, const std::string& text) {
  static const char kDigits[] = "0123456789abcdef";
  for (size_t at = 0; at < text.size();) {
    size_t n = CharLength(&text[at]);
    for (size_t i = 0; i < n; ++i) {
      unsigned char c = static_cast<unsigned char>(text[at + i]);
      if (n == 2 || c >= 0x80) {
        *rtf += "\\'";
        *rtf += kDigits[c >> 4];
        *rtf += kDigits[c & 15];
      } else if (c == '\n') {
        *rtf += "\\par\n";
      } else if (c == '\\' || c == '{' || c == '}') {
        *rtf += '\\';
        *rtf += static_cast<char>(c);
      } else if (c == '\t') {
        *rtf += "\\tab ";
      } else if (c >= 0x20) {
        *rtf += static_cast<char>(c);
      }
    }
    at += n;
  }
}

// The group that opens each style: fonts 0 (proportional) and 1 (fixed),
// colours 1 (headings), 2 (links) and 3 (code); sizes in half points.
const char* StyleGroup(PageStyle style) {
  switch (style) {
    case PageStyle::kTitle: return "{\\f0\\fs32\\b\\cf1 ";
    case PageStyle::kHeading: return "{\\f0\\fs24\\b\\cf1\\sb120 ";
    case PageStyle::kCode: return "{\\f1\\fs20\\cf3 ";
    case PageStyle::kLink: return "{\\f0\\fs20\\cf2\\ul ";
    default: return "{\\f0\\fs20 ";
  }
}

uint32_t Le32(const std::string& bytes, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

}  // namespace

bool TargetOfKind(const std::string& target, const char* kind, std::string* rest) {
  size_t n = std::strlen(kind);
  if (target.compare(0, n, kind) != 0) return false;
  *rest = target.substr(n);
  return true;
}

Page ReferencePage(const std::string& target, ExampleFinder examples_using) {
  std::string rest;
  if (TargetOfKind(target, "entry:", &rest)) {
    const ReferenceEntry* entry = FindReferenceEntry(rest);
    if (entry != nullptr) return Entry(*entry, examples_using);
    return Search(rest);
  }
  if (TargetOfKind(target, "search:", &rest)) return Search(rest);
  if (TargetOfKind(target, "category:", &rest)) {
    int c = rest.size() == 1 || rest.size() == 2 ? std::atoi(rest.c_str()) : -1;
    if (c >= 0 && c < kCategoryCount && std::to_string(c) == rest) return Category(c);
  }
  if (target == "others") return Others();
  return Contents();
}

std::vector<PageLink> PageLinks(const Page& page) {
  std::vector<PageLink> links;
  int32_t at = 0;
  for (const PageRun& run : page.runs) {
    int32_t length = RunLength(run);
    if (run.style == PageStyle::kLink) links.push_back({at, at + length, run.target});
    at += length;
  }
  return links;
}

std::string PageRtf(const Page& page, PictureRtf picture_rtf) {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 ";
  AppendEscaped(&rtf, "ＭＳ Ｐゴシック");
  rtf += ";}{\\f1\\fmodern\\fcharset128 ";
  AppendEscaped(&rtf, "ＭＳ ゴシック");
  rtf += ";}}"
      "{\\colortbl;\\red32\\green64\\blue112;\\red0\\green0\\blue224;\\red96\\green32\\blue0;}\n";
  for (const PageRun& run : page.runs) {
    if (run.style == PageStyle::kPicture) {
      rtf += picture_rtf != nullptr ? picture_rtf(run.text) : "";
      continue;
    }
    rtf += StyleGroup(run.style);
    AppendEscaped(&rtf, run.text);
    rtf += "}";
  }
  return rtf + "}";
}

std::string DibPictureRtf(const std::string& dib) {
  if (dib.size() < 40 || Le32(dib, 0) < 40 || Le32(dib, 0) > dib.size()) return "";
  int32_t width = static_cast<int32_t>(Le32(dib, 4));
  int32_t height = static_cast<int32_t>(Le32(dib, 8));
  uint32_t bits = Le32(dib, 12) >> 16;
  uint32_t compression = Le32(dib, 16);
  if (height < 0) height = -height;
  if (width <= 0 || width > 4096 || height <= 0 || height > 4096 || compression != 0) return "";
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return "";
  uint64_t colours = 0;
  if (bits <= 8) {
    colours = Le32(dib, 32) != 0 ? Le32(dib, 32) : 1u << bits;
    if (colours > (1u << bits)) return "";
  }
  uint64_t stride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
  if (Le32(dib, 0) + colours * 4 + stride * height > dib.size()) return "";
  // Sizes in twips at 96 pixels an inch: 15 a pixel.
  std::string rtf = "{\\pict\\dibitmap0\\picw" + std::to_string(width) + "\\pich" + std::to_string(height) +
                    "\\picwgoal" + std::to_string(width * 15) + "\\pichgoal" + std::to_string(height * 15) + "\n";
  static const char kDigits[] = "0123456789abcdef";
  for (size_t i = 0; i < dib.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(dib[i]);
    rtf += kDigits[c >> 4];
    rtf += kDigits[c & 15];
    if (i % 64 == 63) rtf += '\n';
  }
  return rtf + "}";
}

}  // namespace zep
