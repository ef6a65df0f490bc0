// The HTML reference: one Shift-JIS page with the catalog's categories, an
// index of names, the error messages, and an entry with an anchor for every
// name of the catalog and every command of the installed command table:
// its syntax line, description, where it can be used, its arguments, the
// error codes it can raise, a short example, links to related entries and
// the shipped examples that use it. The build writes it beside zep.exe
// (tools/refgen); the reference opens it (reference.h).
#pragma once

#include <string>
#include <vector>

#include "assist/example_uses.h"

namespace zep {

// Builds the page from the catalog, the command table as installed, the
// reference notes and examples, and the shipped examples.
std::string BuildReferenceHtml(const std::vector<ExampleScript>& examples);

// Text for HTML: '&', '<', '>' and '"' as entities, double-byte characters
// kept whole.
std::string HtmlText(const char* text);

}  // namespace zep
