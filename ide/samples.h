// The examples that come with ZEP, built into the program, on the editor's
// サンプル menu: each by the title on its first line, in the order of their
// file names. Choosing one opens a copy as a new document without a name, so
// that the first save asks where to write it and nothing shipped is ever
// written over.
#pragma once

#include <string>
#include <vector>

namespace zep {

// The menu's command ids: kSampleCommandBase + the example's place in the
// list. At most kMaxSamples examples are offered.
constexpr int kSampleCommandBase = 33000;
constexpr int kMaxSamples = 64;

// The title of the popup on the menu bar.
extern const char kSampleMenuTitle[];

struct Sample {
  int index = 0;          // the program's number for it (EditorSystem::LoadSample)
  std::string file_name;  // e.g. "hello.zep"
  std::string title;      // the menu's text, as the title reads
};

// The title of an example: the text of its first line after "//" and
// before the full-width colon "：" (0x81 0x46), blanks around it dropped. A
// first line that is no comment, holds no "：", or whose title would be
// empty or longer than 64 bytes gives the file name without ".zep".
std::string SampleTitle(const std::string& bytes, const std::string& file_name);

// A title as a menu item's text: every '&' doubled, so that it shows as
// itself and marks no key.
std::string SampleMenuText(const std::string& title);

// Every example the program holds (at most kMaxSamples), in the order of
// their file names.
std::vector<Sample> ListSamples();

// At the editor's creation: the サンプル popup on the menu bar, an item per
// example. Without examples nothing is added.
void AddSampleMenu();

// A command of the サンプル popup opens a copy of its example: a changed text
// is first offered for saving (as before Open); the copy then holds the
// example's bytes exactly, has no name and counts as unchanged. False for an
// id that is not the popup's.
bool OnSampleCommand(int id);

// Opens a copy of a script as OnSampleCommand does: after a changed text was
// offered for saving, bytes (Shift-JIS, CR LF) become the text, with no
// name and unchanged. A text the editor cannot hold is refused with the
// file error box.
void OpenCopy(const std::string& bytes);

// Opens a copy of the example of that file name; false when there is none.
bool OpenSampleNamed(const std::string& file_name);

}  // namespace zep
