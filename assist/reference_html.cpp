#include "assist/reference_html.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "assist/catalog.h"
#include "assist/reference_entries.h"
#include "core/errors.h"
#include "core/text.h"

namespace zep {

namespace {

std::string Lower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

std::string Anchor(const std::string& name) { return "<a href=\"#" + name + "\">" + name + "</a>"; }

const char kHead[] =
    "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"Shift_JIS\">\n"
    "<title>ZEP リファレンス</title>\n<style>\n"
    "body { font-family: sans-serif; margin: 1em 2em; line-height: 1.5; }\n"
    "h2 { border-bottom: 2px solid #468; margin-top: 2em; }\n"
    "section.entry { border-left: 4px solid #acd; padding-left: 1em; margin: 1.5em 0; }\n"
    "pre.syntax { background: #eef3f8; padding: 0.4em; }\n"
    "pre.example { background: #f6f4ea; padding: 0.4em; }\n"
    "dt { font-family: monospace; font-weight: bold; }\n"
    "span.code { display: inline-block; min-width: 2em; font-weight: bold; }\n"
    ".index a { margin-right: 0.8em; }\n"
    "</style>\n</head>\n<body>\n"
    "<h1 id=\"top\">ZEP リファレンス</h1>\n"
    "<p>コマンドアシストに並ぶコマンド、関数、制御文、予約サブルーチン、予約変数と、"
    "インタプリタが知っている全てのコマンドの説明です。それぞれの書き方、働き、使える所、引数、"
    "起こりうるエラーと、そのまま動く短い例、次に見るとよい言葉、それを使うサンプルを載せています。</p>\n";

std::string Contents() {
  std::string html = "<h2 id=\"contents\">目次</h2>\n<ul>\n";
  for (int c = 0; c < kCategoryCount; ++c) {
    html += "<li><a href=\"#cat" + std::to_string(c) + "\">" + HtmlText(CategoryAt(c).name) + "</a></li>\n";
  }
  html += "<li><a href=\"#others\">その他のコマンド</a></li>\n";
  html += "<li><a href=\"#index\">索引</a></li>\n<li><a href=\"#errors\">エラーの一覧</a></li>\n</ul>\n";
  return html;
}

std::string Index() {
  std::vector<std::string> names;
  for (const ReferenceEntry& item : ReferenceEntries()) names.push_back(item.name);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    std::string la = Lower(a), lb = Lower(b);
    return la != lb ? la < lb : a < b;
  });
  std::string html = "<h2 id=\"index\">索引</h2>\n<p class=\"index\">\n";
  for (const std::string& name : names) html += Anchor(name) + "\n";
  return html + "</p>\n";
}

std::string ErrorList() {
  std::string html =
      "<h2 id=\"errors\">エラーの一覧</h2>\n"
      "<p>エラーが起きると、そのサブルーチンとコマンドの名前とメッセージが「ZEP Error」の箱に出て、"
      "プログラムは終わります。引数の数が違う時は 8 か 23、文字列の引数に \" \" が無い時は 9 です。"
      "数値の引数の式からは、どのコマンドでも 2、4、7、10、12、22、30（式の中の関数やコマンドの"
      "エラーも）が起きることがあります。各項目には、それ以外にそのものが起こすエラーも載せています。</p>\n<ul>\n";
  for (int code = 1; code < 256; ++code) {
    const char* message = ErrorMessage(code);
    if (message == nullptr) continue;
    html += "<li><span class=\"code\">" + std::to_string(code) + "</span>" + HtmlText(message) + "</li>\n";
  }
  return html + "</ul>\n";
}

std::string Arguments(const ReferenceNote& note) {
  std::string html = "<h4>引数</h4>\n<dl>\n";
  const char* line = note.arguments;
  while (*line != '\0') {
    const char* end = std::strchr(line, '\n');
    std::string text(line, end != nullptr ? static_cast<size_t>(end - line) : std::strlen(line));
    size_t colon = FindInText(text, "：");
    if (colon == std::string::npos) {
      html += "<dd>" + HtmlText(text.c_str()) + "</dd>\n";
    } else {
      html += "<dt>" + HtmlText(text.substr(0, colon).c_str()) + "</dt><dd>" +
              HtmlText(text.substr(colon + 2).c_str()) + "</dd>\n";
    }
    if (end == nullptr) break;
    line = end + 1;
  }
  return html + "</dl>\n";
}

std::string Errors(const ReferenceNote& note) {
  if (note.errors[0] == 0) return "<h4>エラー</h4>\n<p>このもの自身はエラーを起こしません。</p>\n";
  std::string html = "<h4>エラー</h4>\n<ul>\n";
  for (int i = 0; i < kMaxNoteErrors && note.errors[i] != 0; ++i) {
    const char* message = ErrorMessage(note.errors[i]);
    html += "<li><span class=\"code\">" + std::to_string(note.errors[i]) + "</span>" +
            HtmlText(message != nullptr ? message : "") + "</li>\n";
  }
  return html + "</ul>\n";
}

// The short example, the related entries as links, and the shipped
// examples that use the entry (no line when none does).
std::string ExampleAndRelated(const ReferenceEntry& item, const std::vector<ExampleScript>& examples) {
  std::string html;
  if (item.example[0] != '\0') {
    html += "<h4>例</h4>\n<pre class=\"example\">" + HtmlText(item.example) + "</pre>\n";
  }
  if (!item.related.empty()) {
    html += "<p>関連：";
    for (size_t i = 0; i < item.related.size(); ++i) html += (i > 0 ? "、" : "") + Anchor(item.related[i]);
    html += "</p>\n";
  }
  std::vector<std::string> users = ExamplesUsing(item.name, examples);
  if (!users.empty()) {
    html += "<p>この言葉を使うサンプル：";
    for (size_t i = 0; i < users.size(); ++i) html += (i > 0 ? "、" : "") + HtmlText(users[i].c_str());
    html += "</p>\n";
  }
  return html;
}

std::string Entry(const ReferenceEntry& item, const std::vector<ExampleScript>& examples) {
  std::string html = "<section class=\"entry\" id=\"" + item.name + "\">\n<h3>" + item.name + "</h3>\n";
  html += "<pre class=\"syntax\">" + HtmlText(item.syntax) + "</pre>\n";
  if (item.description[0] != '\0') html += "<p>" + HtmlText(item.description) + "</p>\n";
  std::string usage = ReferenceUsage(item);
  if (!usage.empty()) html += "<p>" + HtmlText(usage.c_str()) + "</p>\n";
  if (item.note != nullptr) html += Arguments(*item.note) + Errors(*item.note);
  html += ExampleAndRelated(item, examples);
  if (item.categories.size() > 1) {
    html += "<p>分類：";
    for (size_t i = 0; i < item.categories.size(); ++i) {
      int c = item.categories[i];
      html += std::string(i > 0 ? "、" : "") + "<a href=\"#cat" + std::to_string(c) + "\">" +
              HtmlText(CategoryAt(c).name) + "</a>";
    }
    html += "</p>\n";
  }
  return html + "</section>\n";
}

std::string Category(int c, const std::vector<ExampleScript>& examples) {
  std::string html = "<h2 id=\"cat" + std::to_string(c) + "\">" + HtmlText(CategoryAt(c).name) + "</h2>\n";
  for (int i = 0; i < CategoryAt(c).count; ++i) {
    const ReferenceEntry& item = *FindReferenceEntry(EntryName(EntryAt(c, i)->text));
    if (item.categories.front() == c) {
      html += Entry(item, examples);
    } else {
      html += "<p>" + Anchor(item.name) + "：「" + HtmlText(CategoryAt(item.categories.front()).name) +
              "」にあります。</p>\n";
    }
  }
  return html;
}

std::string Others(const std::vector<ExampleScript>& examples) {
  std::string html =
      "<h2 id=\"others\">その他のコマンド</h2>\n<p>コマンドアシストには並んでいないコマンドです。</p>\n";
  for (const ReferenceEntry& item : ReferenceEntries()) {
    if (item.categories.empty()) html += Entry(item, examples);
  }
  return html;
}

}  // namespace

std::string HtmlText(const char* text) {
  std::string html;
  for (const char* p = text; *p != '\0';) {
    size_t n = CharLength(p);
    if (n == 2) {
      html.append(p, 2);
    } else if (*p == '&') {
      html += "&amp;";
    } else if (*p == '<') {
      html += "&lt;";
    } else if (*p == '>') {
      html += "&gt;";
    } else if (*p == '"') {
      html += "&quot;";
    } else {
      html += *p;
    }
    p += n;
  }
  return html;
}

std::string BuildReferenceHtml(const std::vector<ExampleScript>& examples) {
  std::string html = kHead;
  html += Contents();
  for (int c = 0; c < kCategoryCount; ++c) html += Category(c, examples);
  html += Others(examples);
  html += Index();
  html += ErrorList();
  return html + "<p><a href=\"#top\">先頭へ</a></p>\n</body>\n</html>\n";
}

}  // namespace zep
