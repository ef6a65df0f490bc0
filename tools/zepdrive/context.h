// State shared by the directive handlers, the result a handler returns, and
// the polling loop every wait uses.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

namespace zd {

struct Context {
    std::string scriptDir;       // full Windows path of the script's folder
    std::string exePath;         // full Windows path of the started program
    PROCESS_INFORMATION proc{};  // the started program
    HWND current = nullptr;      // the window chosen by the last "window"
    HWND dialog = nullptr;       // the file dialog found by the last "dialog"
    HWND menuPopup = nullptr;    // the popup menu found by the last "menuopen"
    DWORD timeoutMs = 10000;
};

// What a handler found. On failure, expected and seen become the tail of
// the FAIL line.
struct Outcome {
    bool ok = true;
    std::string expected;
    std::string seen;
};

inline Outcome pass() { return Outcome{}; }
inline Outcome fail(const std::string& expected, const std::string& seen) {
    return Outcome{false, expected, seen};
}

// What one look at the program says.
enum class Poll { Done, Wait, Stop };

// Calls look() every 20 ms until it says Done (true) or Stop (false), or
// until ms milliseconds have passed (false). look() is called at least once
// and once more right at the deadline, so a short timeout still gets a
// fair look.
template <class F>
bool pollFor(DWORD ms, F look) {
    DWORD start = GetTickCount();
    for (;;) {
        bool last = GetTickCount() - start >= ms;
        Poll p = look();
        if (p == Poll::Done) return true;
        if (p == Poll::Stop || last) return false;
        DWORD elapsed = GetTickCount() - start;
        if (elapsed < ms) Sleep(ms - elapsed < 20 ? ms - elapsed : 20);
    }
}

// True while the started program has not exited.
inline bool processRunning(const Context& c) {
    return WaitForSingleObject(c.proc.hProcess, 0) == WAIT_TIMEOUT;
}

// A path from a directive: relative ones are taken from the script's folder,
// with '/' written as '\\' (which file dialogs need).
inline std::string scriptRelative(const Context& c, const std::string& path) {
    bool absolute = (!path.empty() && (path[0] == '\\' || path[0] == '/')) ||
                    (path.size() > 1 && path[1] == ':');
    if (absolute) return path;
    std::string relative = path;
    for (char& ch : relative) {
        if (ch == '/') ch = '\\';
    }
    return c.scriptDir + "\\" + relative;
}

// The whole file as bytes; false when it cannot be read. The file is
// shared for every use while it is read, so that the program replacing it
// at that moment (a save, a recovery copy) never fails because of the
// driver.
inline bool readFileBytes(const std::string& path, std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char buf[4096];
    DWORD n = 0;
    while (ReadFile(f, buf, sizeof buf, &n, nullptr) && n > 0) bytes.append(buf, n);
    CloseHandle(f);
    return true;
}

// For messages when a wait ends because the program has gone.
inline std::string exitedText(const Context& c) {
    DWORD code = 0;
    GetExitCodeProcess(c.proc.hProcess, &code);
    return "the program exited with code " + std::to_string(code);
}

}  // namespace zd
