// The reference a beginner can open: the help file "ZEP2.HLP" when one lies
// beside the program, otherwise the reference window (reference_page.h),
// which needs no browser. The HTML reference that the build writes beside
// the program (reference_html.h) opens in the browser from that window, at
// the anchor of a looked-up name.
#pragma once

#include <string>

#include "core/common.h"

namespace zep {

extern const char kHelpFileName[];       // "ZEP2.HLP"
extern const char kReferenceFileName[];  // "zep-reference.html"
// The page that carries the browser to an anchor of the reference, in the
// temporary folder (a document opened by the shell takes no anchor).
extern const char kReferenceJumpName[];  // "zep-reference-open.html"

enum class ReferencePlace {
  kContents,  // the help menu's contents
  kSearch,    // the help menu's keyword search: the index of names
  kKeyword,   // the entry of one name (the command assist's help button)
};

// Opens the reference at a place, owned by owner. With "ZEP2.HLP": its
// index, its keyword search, or HELP_KEY with the keyword. Otherwise the
// reference window at ReferenceTarget(place, keyword).
void OpenReference(WindowRef owner, ReferencePlace place, const char* keyword);

// The reference window's page of a place: the contents, the search for the
// keyword's name ("search:" alone without one), or the entry of the
// keyword's name (the contents for an empty one).
std::string ReferenceTarget(ReferencePlace place, const char* keyword);

// The HTML reference in the browser, at its top, its index, or the
// keyword's anchor; a missing reference or one that cannot be opened is
// said in a "ZEP Error" box.
void OpenReferenceInBrowser(WindowRef owner, ReferencePlace place, const char* keyword);

// At the editor's end: closes the help viewer of "ZEP2.HLP" when one is
// there (HELP_QUIT); the browser is the user's and stays.
void CloseReference(WindowRef owner);

// The anchor of a looked-up name in the HTML reference: the letters, digits
// and underscores of the keyword after an opening double quote ("Box" for
// "Box", "CloseFile" for "CloseFile ;", "FILE_NAME" for "\"FILE_NAME\"").
std::string ReferenceAnchor(const char* keyword);

// A file URL of a UTF-8 path with an anchor: "file:///C:/dir/a%20b.html#Box"
// (drive paths), "file://server/share/a.html#Box" (network paths). Bytes
// other than letters, digits and "-._~/:" are percent-encoded.
std::string FileUrl(const std::string& utf8_path, const std::string& anchor);

// A small page that sends the browser on to url at once.
std::string JumpPage(const std::string& url);

}  // namespace zep
