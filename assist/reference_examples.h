// What the reference shows under each entry besides its notes: a short
// script that runs as it is (a new document, F5) and shows the name at
// work, opening with a Japanese comment that says what it shows; and the
// entries a beginner would look at next. One row per entry of the
// reference (reference_entries.h).
#pragma once

namespace zep {

struct ReferenceExample {
  const char* name;
  const char* example;  // the whole script, lines ended by "\n"
  const char* related;  // names of other entries, one space between
};

// The row of a name, or nullptr.
const ReferenceExample* FindReferenceExample(const char* name);

int ReferenceExampleCount();
const ReferenceExample& ReferenceExampleAt(int i);

}  // namespace zep
