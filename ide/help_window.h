// What the reference window shows and does, apart from its Win32 window
// (help_window_win32.h): the tree at its left, the page of each target
// (reference_page.h) and what a link that is no page does: open a copy of
// an example in the editor, or the HTML reference in the browser.
#pragma once

#include <string>
#include <vector>

#include "assist/reference_page.h"
#include "core/common.h"

namespace zep {

// The window's caption (before " - " and the page's title) and the label
// of its search box.
extern const char kHelpWindowTitle[];
extern const char kHelpSearchLabel[];

struct HelpNode {
  std::string label;  // Shift-JIS, as the tree shows it
  int parent;         // the index of the node it hangs under, or -1
  std::string target; // the page it shows
};

// The tree: the guide's introduction with its chapters under it, the
// contents, each category of the command assist with its
// entries, and the other commands with theirs.
std::vector<HelpNode> HelpTree();

// The node that shows a target, or -1.
int HelpNodeOf(const std::vector<HelpNode>& tree, const std::string& target);

// The page of a target: a chapter of the guide built into the program
// ("guide:N"), or the reference's, with the shipped examples that use an
// entry.
Page HelpPage(const std::string& target);

// A picture of the guide as rich text, "" when there is none.
std::string HelpPictureRtf(const std::string& name);

// Carries out a link that leads to no page ("sample:", "example:",
// "browser", "browser:NAME"; owner owns a box it may show) and returns
// true; false for a page's target, which the window shows.
bool ActOnHelpLink(WindowRef owner, const std::string& target);

// The examples built into the program whose code uses a name, in the order
// of the サンプル menu.
std::vector<ExampleRef> ShippedExamplesUsing(const std::string& name);

}  // namespace zep
