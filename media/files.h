// The data-file commands: the rows of those that work on the data file and
// file names (files.cpp), and of those that work through an edit field
// (edit_files.cpp).
#pragma once

#include "core/command_table.h"

namespace zep {

extern const CommandList file_commands;
extern const CommandList edit_file_commands;

}  // namespace zep
