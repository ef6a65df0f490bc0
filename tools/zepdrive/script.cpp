#include "script.h"

#include <cstdio>
#include <cstring>

#include <windows.h>

#include "directives.h"
#include "text.h"

namespace zd {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

void skipBlanks(const std::string& s, size_t& i) {
    while (i < s.size() && isBlank(s[i])) ++i;
}

std::string trimRight(std::string s) {
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.pop_back();
    return s;
}

void readWord(const std::string& s, size_t& i, std::string& out) {
    size_t b = i;
    while (i < s.size() && !isBlank(s[i])) i += (isSjisLead(s[i]) && i + 1 < s.size()) ? 2 : 1;
    out = s.substr(b, i - b);
}

bool unescape(char e, std::string& out) {
    switch (e) {
    case 'r': out += '\r'; return true;
    case 't': out += '\t'; return true;
    case 'n': out += '\n'; return true;
    case '"': out += '"'; return true;
    case '\\': out += '\\'; return true;
    }
    return false;
}

// s[i] is the opening quote. Second bytes of Shift-JIS characters may be
// 0x5C, the same byte as a backslash, so they are copied without a look.
bool readQuoted(const std::string& s, size_t& i, std::string& out, std::string& err) {
    for (++i; i < s.size();) {
        unsigned char c = s[i];
        if (isSjisLead(c) && i + 1 < s.size()) {
            out.append(s, i, 2);
            i += 2;
        } else if (c == '"') {
            ++i;
            return true;
        } else if (c == '\\') {
            if (i + 1 >= s.size() || !unescape(s[i + 1], out)) {
                err = "unknown escape in string (use \\r \\n \\t \\\" \\\\)";
                return false;
            }
            i += 2;
        } else {
            out += (char)c;
            ++i;
        }
    }
    err = "string has no closing quote";
    return false;
}

bool checkWord(char kind, Arg& a, std::string& err) {
    bool ok = true;
    uint32_t rgb = 0;
    switch (kind) {
    case 'i': ok = parseInt(a.text, a.num); break;
    case 'z': ok = a.text == "0" || a.text == "1"; a.num = a.text == "1"; break;
    case 'c': ok = parseColour(a.text, rgb); a.num = rgb; break;
    case 'x': ok = parseHex(a.text, a.num); break;
    case 'f': ok = parseSeconds(a.text, a.seconds); break;
    case 'b':
        a.num = a.text == "left" ? 0 : a.text == "right" ? 1 : a.text == "middle" ? 2 : -1;
        ok = a.num >= 0;
        break;
    }
    if (!ok) err = "bad argument " + a.text;
    return ok;
}

bool readArg(char kind, const std::string& s, size_t& i, Arg& a, std::string& err) {
    if (kind == 'r') {
        a.text = trimRight(s.substr(i));
        i = s.size();
        return true;
    }
    if (kind == 's' || (kind == 'p' && s[i] == '"')) {
        if (s[i] != '"') {
            err = "expected a quoted string";
            return false;
        }
        return readQuoted(s, i, a.text, err);
    }
    readWord(s, i, a.text);
    return checkWord(kind, a, err);
}

bool readArgs(const std::string& body, size_t i, Directive& d, std::string& err) {
    bool optional = false;
    for (const char* k = d.def->args; *k; ++k) {
        if (*k == '|') {
            optional = true;
            continue;
        }
        skipBlanks(body, i);
        if (i >= body.size()) {
            if (optional) return true;
            err = "missing argument";
            return false;
        }
        Arg a;
        if (!readArg(*k, body, i, a, err)) return false;
        if (i < body.size() && !isBlank(body[i])) {
            err = "no blank after argument";
            return false;
        }
        d.args.push_back(a);
    }
    skipBlanks(body, i);
    if (i < body.size()) err = "too many arguments";
    return err.empty();
}

bool parseDirective(const std::string& body, Directive& d, std::string& err) {
    size_t i = 0;
    skipBlanks(body, i);
    std::string name;
    readWord(body, i, name);
    d.def = findDirective(name);
    if (!d.def) {
        err = "unknown directive '" + name + "'";
        return false;
    }
    return readArgs(body, i, d, err);
}

// Directives that need a started program in a certain state may only come
// where that state can exist.
bool checkOrder(const std::vector<Directive>& ds, std::string& err) {
    bool haveWindow = false;
    for (size_t k = 0; k < ds.size(); ++k) {
        const Directive& d = ds[k];
        const char* why = nullptr;
        if (!std::strcmp(d.def->name, "cmdline") && k != 0) why = "cmdline must be the first directive";
        if (d.def->needs == Needs::BeforeStart) {
            bool setUpOnly = true;
            for (size_t j = 0; j < k; ++j) {
                setUpOnly = setUpOnly && (ds[j].def->needs == Needs::BeforeStart ||
                                          !std::strcmp(ds[j].def->name, "cmdline"));
            }
            if (!setUpOnly) why = "set-up directives come first (after cmdline)";
        } else if (d.def->needs != Needs::Nothing && !haveWindow) {
            why = "no current window yet (use window first)";
        }
        if (why) {
            err = "line " + std::to_string(d.line) + ": " + why;
            return false;
        }
        if (!std::strcmp(d.def->name, "window")) haveWindow = true;
    }
    return true;
}

bool readFile(const std::string& path, std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
    return true;
}

// Scripts may be saved in UTF-8, as zep.exe accepts them: with its
// byte-order mark, or valid UTF-8 holding a character of three bytes. Their
// directives are turned into Shift-JIS, the text the program shows.
void toShiftJisIfUtf8(std::string& bytes) {
    bool bom = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if (bom) bytes.erase(0, 3);
    bool wide = false;
    for (unsigned char c : bytes) wide = wide || c >= 0xE0;
    if (!bom && !wide) return;
    int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), (int)bytes.size(), nullptr, 0);
    if (n <= 0) return;
    std::wstring text(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), (int)bytes.size(), &text[0], n);
    int m = WideCharToMultiByte(932, 0, text.data(), n, nullptr, 0, nullptr, nullptr);
    bytes.assign(m, '\0');
    WideCharToMultiByte(932, 0, text.data(), n, &bytes[0], m, nullptr, nullptr);
}

}  // namespace

bool readScript(const std::string& path, std::vector<Directive>& out, std::string& error) {
    std::string bytes;
    if (!readFile(path, bytes)) {
        error = "cannot read " + path;
        return false;
    }
    toShiftJisIfUtf8(bytes);
    size_t pos = 0;
    for (int line = 1; pos < bytes.size(); ++line) {
        size_t nl = bytes.find('\n', pos);
        if (nl == std::string::npos) nl = bytes.size();
        std::string text = trimRight(bytes.substr(pos, nl - pos));
        pos = nl + 1;
        size_t i = 0;
        skipBlanks(text, i);
        if (text.compare(i, 3, "//!") != 0) continue;
        Directive d;
        d.line = line;
        d.source = text.substr(i + 3);
        size_t b = 0;
        skipBlanks(d.source, b);
        d.source.erase(0, b);
        if (!parseDirective(d.source, d, error)) {
            error = "line " + std::to_string(line) + ": " + d.source + ": " + error;
            return false;
        }
        out.push_back(d);
    }
    return checkOrder(out, error);
}

}  // namespace zd
