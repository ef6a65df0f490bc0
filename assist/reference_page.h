// The pages of the reference window: what it shows of the one source of
// entries (reference_entries.h), as runs of styled Shift-JIS text with
// links, and the same page as rich text for the window's text control.
// Each page and link is named by a target:
//   "contents"            the first page: the categories and the guide
//   "category:N"          the entries of category N of the command assist
//   "others"              the commands the command assist does not list
//   "entry:NAME"          the entry of a name
//   "search:TEXT"         the entries that hold a text (SearchReference)
//   "guide:N"             chapter N of the beginner's guide (guide_pages.h)
//   "sample:FILE"         opens a copy of a shipped example (a link only)
//   "example:NAME"        opens a copy of an entry's short example (a link)
//   "browser"             opens the HTML reference in the browser (a link)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zep {

enum class PageStyle : uint8_t {
  kTitle,    // the page's name, large
  kHeading,  // a part of the page
  kText,     // running text
  kCode,     // a script's words, fixed-pitch
  kLink,     // text that leads to its target
  kPicture,  // a picture: text is the picture's name (guide_pages.h)
};

struct PageRun {
  PageStyle style;
  std::string text;    // Shift-JIS; "\n" ends a paragraph
  std::string target;  // where a link leads
};

struct Page {
  std::string title;  // the window's caption tells it
  std::vector<PageRun> runs;
};

// A shipped example that uses a name, as an entry lists it.
struct ExampleRef {
  std::string file_name;  // "hello.zep"
  std::string title;      // as the サンプル menu reads
};

// The page of a target: the entries of a category, an entry's syntax,
// description, where it may be used, its arguments and what it returns,
// its errors with their messages, its short example, its related entries
// and the examples that use it (examples_using gives them for a name), or
// the search's results. An unknown target gives the contents page.
using ExampleFinder = std::vector<ExampleRef> (*)(const std::string& name);
Page ReferencePage(const std::string& target, ExampleFinder examples_using);

// True when target is of that kind ("entry:", "guide:", ...); *rest then
// holds what follows it.
bool TargetOfKind(const std::string& target, const char* kind, std::string* rest);

// Where a link run of a page stands in the text control, in its characters
// (a double-byte character, a paragraph's end and a picture each count
// one).
struct PageLink {
  int32_t from, to;
  std::string target;
};
std::vector<PageLink> PageLinks(const Page& page);

// The page as rich text, Shift-JIS escaped so that no trail byte is read as
// a control character; picture runs take picture_rtf(name), or nothing.
using PictureRtf = std::string (*)(const std::string& name);
std::string PageRtf(const Page& page, PictureRtf picture_rtf);

// A packed device-independent bitmap (its header and pixels) as a picture
// of rich text, shown at its size in pixels; "" when dib is no bitmap of 1,
// 4, 8, 24 or 32 bits per pixel whose pixels fit in it.
std::string DibPictureRtf(const std::string& dib);

}  // namespace zep
