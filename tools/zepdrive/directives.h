// The table of directives: name, argument kinds, handler.
#pragma once

#include "context.h"
#include "script.h"

namespace zd {

using Handler = Outcome (*)(Context&, const Directive&);

// Argument kinds, one letter per argument; those after '|' are optional:
//   i integer (decimal or 0x hex)   x hex number, 0x optional
//   c colour RRGGBB                 z 0 or 1
//   s quoted string                 w word             p word or quoted string
//   b mouse button (left|right|middle)                 f seconds
//   r the rest of the line, as is
// What a directive needs of the current window; BeforeStart: a set-up,
// carried out before the program is started (only at the top of a script,
// after cmdline).
enum class Needs { Nothing, LiveWindow, Window, BeforeStart };

struct DirectiveDef {
    const char* name;
    const char* args;
    Needs needs;
    Handler run;       // null for directives used only before the start
};

const DirectiveDef* findDirective(const std::string& name);

}  // namespace zd
