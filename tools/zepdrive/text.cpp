#include "text.h"

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace zd {

bool isSjisLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::string quoted(const std::string& bytes) {
    std::string out = "\"";
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char c = bytes[i];
        if (isSjisLead(c) && i + 1 < bytes.size()) {
            out += bytes[i];
            out += bytes[++i];
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += (char)c;
        } else if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else {
            out += (char)c;
        }
    }
    return out + "\"";
}

std::string sjisToUtf8(const std::string& bytes) {
    if (bytes.empty()) return bytes;
    int n = MultiByteToWideChar(932, 0, bytes.data(), (int)bytes.size(), nullptr, 0);
    if (n <= 0) return bytes;
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(932, 0, bytes.data(), (int)bytes.size(), &wide[0], n);
    int m = WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(m, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, &out[0], m, nullptr, nullptr);
    return out;
}

std::string utf16ToSjis(const std::wstring& text) {
    if (text.empty()) return std::string();
    int n = WideCharToMultiByte(932, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string out((size_t)n, '\0');
    WideCharToMultiByte(932, 0, text.data(), (int)text.size(), &out[0], n, nullptr, nullptr);
    return out;
}

bool parseInt(const std::string& s, long long& out) {
    size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    if (i >= s.size() || s[i] == ' ') return false;
    bool hex = s.size() > i + 1 && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X');
    char* end = nullptr;
    out = std::strtoll(s.c_str(), &end, hex ? 16 : 10);
    return *end == '\0';
}

bool parseHex(const std::string& s, long long& out) {
    size_t i = (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) ? 2 : 0;
    if (i >= s.size() || !std::isxdigit((unsigned char)s[i])) return false;
    char* end = nullptr;
    out = (long long)std::strtoull(s.c_str() + i, &end, 16);
    return *end == '\0';
}

bool parseColour(const std::string& s, uint32_t& rgb) {
    if (s.size() != 6) return false;
    for (char c : s) {
        if (!std::isxdigit((unsigned char)c)) return false;
    }
    rgb = (uint32_t)std::strtoul(s.c_str(), nullptr, 16);
    return true;
}

bool parseSeconds(const std::string& s, double& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return *end == '\0' && out >= 0;
}

std::string colourText(uint32_t rgb) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%06X", (unsigned)(rgb & 0xFFFFFF));
    return buf;
}

}  // namespace zd
