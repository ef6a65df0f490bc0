// Directives about the driver's own pace, the program's exit and its files.
#include <cstdio>
#include <vector>

#include "handlers.h"
#include "text.h"

namespace zd {
namespace {

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

Outcome runTimeout(Context& c, const Directive& d) {
    c.timeoutMs = (DWORD)(d.args[0].seconds * 1000 + 0.5);
    return pass();
}

Outcome runSleep(Context&, const Directive& d) {
    Sleep((DWORD)d.args[0].num);
    return pass();
}

Outcome runExit(Context& c, const Directive& d) {
    DWORD want = (DWORD)d.args[0].num;
    if (WaitForSingleObject(c.proc.hProcess, c.timeoutMs) != WAIT_OBJECT_0) {
        return fail("exit with code " + std::to_string((long)want), "still running");
    }
    DWORD code = 0;
    GetExitCodeProcess(c.proc.hProcess, &code);
    if (code == want) return pass();
    return fail("exit with code " + std::to_string((long)want), "exit code " + std::to_string((long)code));
}

Outcome runRunning(Context& c, const Directive&) {
    return processRunning(c) ? pass() : fail("the program running", exitedText(c));
}

Outcome runFile(Context& c, const Directive& d) {
    std::string path = scriptRelative(c, d.args[0].text);
    const std::string& want = d.args[1].text;
    std::string seen = "no such file";
    bool ok = pollFor(c.timeoutMs, [&] {
        std::string bytes;
        if (!readFileBytes(path, bytes)) return Poll::Wait;
        seen = quoted(bytes);
        return bytes == want ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail(path + " holding " + quoted(want), seen);
}

Outcome runNoFile(Context& c, const Directive& d) {
    std::string path = scriptRelative(c, d.args[0].text);
    return exists(path) ? fail("no file " + path, "it exists") : pass();
}

// Polls until the file is absent (the program removes it after a step the
// driver cannot wait for).
Outcome runFileGone(Context& c, const Directive& d) {
    std::string path = scriptRelative(c, d.args[0].text);
    bool gone = pollFor(c.timeoutMs, [&] { return exists(path) ? Poll::Wait : Poll::Done; });
    return gone ? pass() : fail("no file " + d.args[0].text, "it is still there");
}

}  // namespace zd

namespace zd {

// Starts another program once the one driven so far has ended (a program
// the script compiled, say): with no arguments, in its own folder, as a
// double click in Explorer starts it. The directives that follow look at it.
Outcome runStart(Context& c, const Directive& d) {
    if (processRunning(c)) return fail("the program ended before start", "it still runs");
    std::string exe = scriptRelative(c, d.args[0].text);
    size_t cut = exe.find_last_of('\\');
    std::string folder = cut == std::string::npos ? c.scriptDir : exe.substr(0, cut);
    std::string line = "\"" + exe + "\"";
    std::vector<char> buf(line.begin(), line.end());
    buf.push_back('\0');
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(exe.c_str(), buf.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &started)) {
        return fail("start " + exe, "error " + std::to_string(GetLastError()));
    }
    CloseHandle(c.proc.hThread);
    CloseHandle(c.proc.hProcess);
    c.proc = started;
    c.exePath = exe;
    c.current = nullptr;
    c.dialog = nullptr;
    c.menuPopup = nullptr;
    return pass();
}

// Removes a file left by an earlier run, so that a test starts clean.
Outcome runDelete(Context& c, const Directive& d) {
    std::string path = scriptRelative(c, d.args[0].text);
    if (DeleteFileA(path.c_str()) || !exists(path)) return pass();
    return fail("no file " + path, "it cannot be deleted");
}

}  // namespace zd
