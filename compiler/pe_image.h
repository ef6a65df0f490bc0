// Where a Windows program's image ends in its file: what lies after the last
// section's data is the program's overlay, where a compiled program keeps
// its script area. Apart from the compiler's other files, so that the
// runtime stub can use it without holding the script marker itself.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zep {

// The file offset just after the data of the image's last section, or -1
// when the bytes are not a well-formed program (headers cut short or
// pointing outside the file).
long ImageEnd(const uint8_t* file, size_t size);

}  // namespace zep
