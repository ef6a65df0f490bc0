// The command-assist catalog: the language's vocabulary as the editor shows
// it to users, 204 entries in 15 categories. Each entry is the syntax line
// that the assist lists and pastes, and a one-line description. The catalog
// is fixed text, kept apart from the interpreter's command table; a test
// checks that every entry names something the interpreter knows.
#pragma once

#include <cstdint>
#include <string>

namespace zep {

// What an entry names, so that tests and the reference can look it up.
enum class EntryKind : uint8_t {
  kCommand,    // a row of the command table
  kFunction,   // a built-in function of expressions
  kStatement,  // loop, call, if, return, end
  kSection,    // a section that an event runs
  kVariable,   // a reserved variable, or the reserved string "FILE_NAME"
};

struct CatalogEntry {
  const char* text;         // the syntax line, shown in the list and pasted
  const char* description;  // shown under the list
  EntryKind kind;
};

struct CatalogCategory {
  const char* name;  // shown in the category box
  const CatalogEntry* entries;
  int count;
};

constexpr int kCategoryCount = 15;
// Pasting from these two categories adds other line ends (command_assist.h).
constexpr int kReservedSections = 13;
constexpr int kReservedVariables = 14;

// Category 0..14 in the order of the category box.
const CatalogCategory& CategoryAt(int category);

// The entry, or nullptr when either index lies outside the catalog.
const CatalogEntry* EntryAt(int category, int index);

// The name an entry stands for: the letters, digits and underscores at the
// start of its text, after an opening double quote ("Box" for
// "Box(XL,YT,XR,YB,OC,IC) ;", "CloseFile" for "CloseFile ;", "FILE_NAME"
// for the quoted reserved string).
std::string EntryName(const char* text);

}  // namespace zep
