// Compiling a script into a stand-alone program: the script text, compacted,
// is written into the script area of the runtime stub that its size needs,
// and the stub's icon is replaced by the one chosen.
#pragma once

#include <cstddef>
#include <string>

#include "compiler/stub_format.h"

namespace zep {

enum class CompileResult : uint8_t {
  kDone,
  kTooLarge,      // the compacted script holds 65,536 bytes or more
  kMissingFiles,  // a stub or patch file is missing, empty, short or malformed
  kBadStub,       // the unpacked stub holds no script marker
  kNoMemory,      // the program would not fit in the memory to be had
  kCannotSave,    // the program could not be written in full
};

// The text of the message box that reports the result.
const char* CompileMessage(CompileResult result);

// The stub files' common stem: the program's folder (with its final
// backslash) followed by "ZepFiles\Zep111".
std::string StubStem(const std::string& program_folder);

// Builds the program for the script text from the stub files named from
// stub_stem, read through the file system. exe receives the program. No
// failed allocation escapes: it gives kNoMemory.
CompileResult BuildExecutable(const char* text, size_t size, const std::string& stub_stem,
                              const IconIndices& icon, Bytes* exe);

// BuildExecutable, then the program written as output (through a temporary
// file, so that a failed write leaves an existing file as it was).
CompileResult CompileScript(const char* text, size_t size, const std::string& stub_stem,
                            const IconIndices& icon, const char* output);

}  // namespace zep
