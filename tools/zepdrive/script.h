// Reading the directive lines ("//! name args...") out of a script file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zd {

struct DirectiveDef;

// One argument, already checked against the directive's argument kinds.
struct Arg {
    std::string text;    // word or unescaped string
    long long num = 0;   // for integers, 0|1 flags and colours
    double seconds = 0;  // for second counts
};

struct Directive {
    int line = 0;
    std::string source;  // the directive as written, after "//!"
    const DirectiveDef* def = nullptr;
    std::vector<Arg> args;
};

// Reads all directives of the file. On a problem, sets error (with the line
// number) and returns false.
bool readScript(const std::string& path, std::vector<Directive>& out, std::string& error);

}  // namespace zd
