// The beginner's guide (docs/guide.md, built into the program in Shift-JIS)
// as pages of the reference window: its introduction and each chapter (a
// "## " heading) a page, read from the few kinds of Markdown the guide is
// written in: headings, paragraphs, "- " lists, fenced code, tables,
// `code`, **strong** words, [links](to) and ![pictures](file).
#pragma once

#include <string>
#include <vector>

#include "assist/reference_page.h"

namespace zep {

// The title of each page: the "# " heading for the introduction (page 0),
// then the "## " headings in order. Empty for a text without headings.
std::vector<std::string> GuideChapters(const std::string& guide);

// Page n of the guide (as GuideChapters counts them), its pictures named
// as the guide names their files ("pictures/hello.png"); the introduction
// ends with links to every chapter ("guide:N"), a chapter with one to the
// next. An empty page for an n outside them.
Page GuidePage(const std::string& guide, int n);

}  // namespace zep
