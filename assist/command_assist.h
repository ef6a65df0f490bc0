// What the command assist decides apart from its dialog window: the text
// that paste and copy produce from a catalog entry, and the help keyword.
#pragma once

#include <string>

namespace zep {

// Whether a category box selection names a category; others are ignored.
bool IsCategory(int selection);

// Puts the text of entry (category, index) into the assist output, ready to
// paste: a reserved section gets an empty block "\r\n{\r\n\r\n}", and every
// category but the reserved variables a final "\r\n", so that a variable
// name goes in inline. With no such entry (no list selection) the assist
// output keeps what it holds and false is given.
bool TakeEntryForPaste(int category, int index);

// Puts the entry's text alone into the assist output, for help; false and
// nothing changed when there is no such entry.
bool TakeEntryForHelp(int category, int index);

// The keyword that help looks up for an entry text: the characters before
// the first '(' or '{', or the whole text when it has neither (read by
// character, so that a trail byte is never taken for either) ("loop" for
// "loop(n){ 処理内容 }", "CloseFile ;" for "CloseFile ;").
std::string HelpKeyword(const char* text);

}  // namespace zep
