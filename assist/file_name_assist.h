// The file-name assist: an open-file dialog whose chosen path the editor
// pastes in double quotes, ready as a string argument.
#pragma once

#include <string>

namespace zep {

// The dialog's filter pairs (description, pattern), each NUL-terminated,
// the list ending with an empty string.
extern const char kFileNameFilters[];
extern const char kFileNameTitle[];
// Relative to the current directory, as the dialog takes it.
extern const char kFileNameFolder[];
// OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST.
constexpr unsigned kFileNameFlags = 0x1804;

// The path in double quotes, without a line end.
std::string QuotedPath(const char* path);

}  // namespace zep
