// What the reference says of each name beyond the catalog's line: the
// meaning of its arguments and the error codes it can raise. One row per
// command of the command table, per 3D pack command, per function and per
// control statement.
#pragma once

#include <cstdint>

namespace zep {

constexpr int kMaxNoteErrors = 8;

struct ReferenceNote {
  const char* name;
  // For names the catalog does not list: the syntax line and the
  // description; nullptr for the others, whose catalog entry gives both.
  const char* syntax;
  const char* description;
  // One argument (or group of arguments, or the value given back) a line:
  // its names, a full-width colon "：", its meaning.
  const char* arguments;
  // The codes the name itself can raise, in increasing order, ended by 0.
  // The errors of evaluating a number argument (an undefined variable, a
  // division by zero, ...) can come from any of them and are not listed.
  uint8_t errors[kMaxNoteErrors];
};

// The note of a name, or nullptr.
const ReferenceNote* FindReferenceNote(const char* name);

int ReferenceNoteCount();
const ReferenceNote& ReferenceNoteAt(int i);

}  // namespace zep
