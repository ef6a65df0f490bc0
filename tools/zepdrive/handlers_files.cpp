// Directives on binary files: their exact bytes given in hexadecimal.
#include <cctype>
#include <cstdio>

#include "handlers.h"
#include "text.h"

namespace zd {
namespace {

// The hexadecimal text without blanks, lower case; empty when it holds a
// character that is neither a digit, a letter a-f nor a blank, or an odd
// count of digits.
std::string normalHex(const std::string& text, bool& ok) {
    std::string hex;
    ok = true;
    for (char ch : text) {
        if (ch == ' ') continue;
        if (!std::isxdigit(static_cast<unsigned char>(ch))) ok = false;
        hex += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    if (hex.size() % 2 != 0) ok = false;
    return hex;
}

std::string hexOf(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

}  // namespace

// filehex PATH "HEX": polls until the file holds exactly these bytes (blanks
// in HEX are ignored, so that fields can be shown apart).
Outcome runFileHex(Context& c, const Directive& d) {
    std::string path = scriptRelative(c, d.args[0].text);
    bool ok = false;
    std::string want = normalHex(d.args[1].text, ok);
    if (!ok) return fail("hexadecimal bytes", d.args[1].text);
    std::string seen = "no such file";
    bool same = pollFor(c.timeoutMs, [&] {
        std::string bytes;
        if (!readFileBytes(path, bytes)) return Poll::Wait;
        seen = hexOf(bytes);
        return seen == want ? Poll::Done : Poll::Wait;
    });
    return same ? pass() : fail(path + " holding " + want, seen);
}

}  // namespace zd

namespace zd {

// filehas PATH "TEXT": polls until the file holds TEXT somewhere in it.
Outcome runFileHas(Context& c, const Directive& d) {
    std::string path = scriptRelative(c, d.args[0].text);
    std::string seen = "no such file";
    bool ok = pollFor(c.timeoutMs, [&] {
        std::string bytes;
        if (!readFileBytes(path, bytes)) return Poll::Wait;
        if (bytes.find(d.args[1].text) != std::string::npos) return Poll::Done;
        seen = "a file of " + std::to_string(bytes.size()) + " bytes without it";
        return Poll::Wait;
    });
    return ok ? pass() : fail(path + " holding " + quoted(d.args[1].text), seen);
}

}  // namespace zd
