// Random scripts for the host tests: bodies made of random pieces of the
// language (mostly faults), and scripts built from the grammar (mostly
// valid, with the faults a beginner makes), both repeatable from a seed.
#pragma once

#include <random>
#include <string>

namespace zep {

// A body of `length` random pieces: names, operators, commands, literals,
// Japanese text, comments and line ends.
std::string RandomBody(std::mt19937* rng, int length);

// A whole script: CREATE declaring arrays, MAIN, S and T with assignments,
// array elements, if, loop, call, return, commands and random expressions
// (numbers, variables, elements, built-ins, reserved names, parentheses,
// the odd fault). Loops are short and calls go MAIN -> S -> T only (and a
// few recursive ones that stop at the nesting limit), so every script ends.
std::string RandomScript(std::mt19937* rng);

}  // namespace zep
