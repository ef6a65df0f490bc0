// The standard output of zep.exe, a program of the GUI subsystem, which
// Windows starts with no console of its own.
#pragma once

#include <string>

namespace zep {

// Writes the bytes as they are (no code page or line-end conversion) to
// the standard output the program inherited (a pipe or a file), or, when
// it has none, to the console of the program that started it. False when
// there is neither or a write fails.
bool WriteStandardOutput(const std::string& bytes);

}  // namespace zep
