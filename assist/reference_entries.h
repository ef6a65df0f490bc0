// The one source of what the reference tells of each name: the catalog's
// syntax line and description, the note's arguments and errors, where the
// command table lets it be used, and a short example with the entries to
// look at next (reference_examples.h). The HTML reference is written from
// it, and the editor finds entries in it by name or by any part of a name
// or a description.
#pragma once

#include <string>
#include <vector>

#include "assist/catalog.h"
#include "assist/reference_notes.h"

namespace zep {

struct ReferenceEntry {
  std::string name;
  const char* syntax;
  const char* description;
  EntryKind kind;
  std::vector<int> categories;  // where the catalog lists it, in order
  const ReferenceNote* note;    // its arguments and errors, or nullptr
  const char* example;          // a short script that uses it; "" when it has none
  std::vector<std::string> related;  // the names of other entries to look at next
};

// Every name in the reference's order: the catalog's, then the command
// table's commands that the catalog does not list.
const std::vector<ReferenceEntry>& ReferenceEntries();

// The entry of a name (exactly as written), or nullptr.
const ReferenceEntry* FindReferenceEntry(const std::string& name);

// Where the name can be used, in a sentence: the kind of a function,
// statement, section or variable; for a command, CREATE or the other
// sections (from the command table), and whether it gives a value.
std::string ReferenceUsage(const ReferenceEntry& entry);

// The entries that hold query (Shift-JIS; ASCII letters match in either
// case): first the names that begin with it, then the other names that
// hold it, then the entries whose description holds it, then those that
// can raise an error whose message holds it; each at most once. An empty
// query finds nothing.
std::vector<const ReferenceEntry*> SearchReference(const std::string& query);

}  // namespace zep
