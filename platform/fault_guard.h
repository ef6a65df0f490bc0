// A fault is never silent. A processor fault in the program's own code (or
// a stack overflow anywhere) and any exception that reaches the top are
// reported in a box that names the fault's code and the section that ran;
// the editor's text is first written to a recovery file in the user's
// application-data folder; then the program ends. Exceptions that leave a
// section are caught by the interpreter itself (see core/exec.cpp).
#pragma once

namespace zep {

// Installs the handlers and keeps stack in reserve for them. save, when
// given, writes the text being edited somewhere safe and gives where.
void InstallFaultGuard(const char* (*save)());

// Takes the test option "--zep-test-fault=KIND:SECTION" from the start of
// the command line: the section of that name then faults as it starts
// (KIND access: a processor fault; exception: an exception no command
// expects; memory: an allocation that fails). Gives the rest of the line.
const char* TakeTestFaultOption(const char* command_line);

}  // namespace zep
