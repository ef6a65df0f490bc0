// Which shipped examples use a name: the reference lists them under each of
// its entries, and the examples' own tests count the entries each category
// has an example for. A script uses a name when the name is a word of its
// code or the whole text of one of its string literals ("FILE_NAME", or the
// section a call runs); its comments use nothing.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace zep {

struct ExampleScript {
  std::string name;   // the file name, e.g. "hello.zep"
  std::string bytes;  // Shift-JIS, as shipped
};

// What a script names: the words of its code (letters, digits and
// underscores between other characters, never a Shift-JIS character's trail
// byte) and the whole texts of its string literals.
std::set<std::string> NamesInScript(const std::string& bytes);

// The file names of the examples that use name, in the examples' order.
std::vector<std::string> ExamplesUsing(const std::string& name, const std::vector<ExampleScript>& examples);

}  // namespace zep
