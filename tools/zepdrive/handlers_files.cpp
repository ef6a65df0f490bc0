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

namespace zd {

// samefile A B: polls until both files exist and hold the same bytes.
Outcome runSameFile(Context& c, const Directive& d) {
    std::string a = scriptRelative(c, d.args[0].text), b = scriptRelative(c, d.args[1].text);
    std::string seen = "no such files";
    bool ok = pollFor(c.timeoutMs, [&] {
        std::string first, second;
        if (!readFileBytes(a, first) || !readFileBytes(b, second)) return Poll::Wait;
        if (first == second) return Poll::Done;
        seen = std::to_string(first.size()) + " and " + std::to_string(second.size()) +
               " bytes, not the same";
        return Poll::Wait;
    });
    return ok ? pass() : fail(a + " holding what " + b + " holds", seen);
}

// setupfile PATH "TEXT", before the program starts: writes the file, with
// any folders on its path that are missing.
Outcome runSetupFile(Context& c, const Directive& d) {
    std::string path = scriptRelative(c, d.args[0].text);
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1)) {
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return fail("a file written at " + path, "it cannot be created");
    const std::string& text = d.args[1].text;
    bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    written = std::fclose(f) == 0 && written;
    return written ? pass() : fail("a file written at " + path, "a write that failed");
}

}  // namespace zd
