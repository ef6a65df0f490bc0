// zepdrive: runs a program on a script and checks what it does, following
// the "//!" directive lines of the script.
//
//   zepdrive.exe ZEP_EXE SCRIPT.zep
//
// Exit code 0: every check passed ("PASS <script>"). 1: a check failed
// ("FAIL <script>:<line>: <directive>: <expected> / <seen>"). 2: bad usage,
// bad directive, or the program could not be started. The program is ended
// if it is still running when the driver finishes.
//
// The program is started as "<ZEP_EXE>" "<script>" with both as full
// Windows paths (as Explorer passes a file), in the script's folder.
// "{script}" in a directive's text stands for that full script path, and
// "{dir}", "{exedir}", "{temp}" and "{appdata}" for the script's, the
// program's, the temporary and the application-data folder. Before the
// program starts, the driver empties the editor's recovery folder and
// carries out the set-up directives.
//
// Messages are printed as UTF-8, since they are read in logs on Linux
// while the script's strings are Shift-JIS. ZEPDRIVE_TRACE=1 in the
// environment prints the time each directive took to stderr.
//
// Built by CMakeLists.txt here, or without CMake by build.sh.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "directives.h"
#include "input.h"
#include "script.h"
#include "text.h"

namespace {

using namespace zd;

void say(const std::string& line) {
    std::string out = sjisToUtf8(line) + "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

std::string fullPath(const std::string& path) {
    char buf[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
    return n > 0 && n < sizeof buf ? std::string(buf, n) : path;
}

std::string folderOf(const std::string& path) {
    size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? "." : path.substr(0, cut);
}

std::string replaceAll(std::string s, const std::string& from, const std::string& to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
        s.replace(at, from.size(), to);
    }
    return s;
}

// The folder for temporary files, without its final backslash.
std::string tempFolder() {
    char buf[MAX_PATH + 1];
    DWORD n = GetTempPathA(sizeof buf, buf);
    std::string folder(buf, n < sizeof buf ? n : 0);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

// The user's application-data folder, without its final backslash.
std::string appDataFolder() {
    char buf[MAX_PATH + 1] = "";
    DWORD n = GetEnvironmentVariableA("APPDATA", buf, sizeof buf);
    return std::string(buf, n < sizeof buf ? n : 0);
}

// Names that stand for paths in any directive's text: "{script}" the
// script's full path (e.g. in a message the program shows with the file
// name in it), "{dir}" its folder, "{exedir}" the program's folder,
// "{temp}" the folder for temporary files and "{appdata}" the user's
// application-data folder, each without a final backslash.
void putPaths(std::vector<Directive>& ds, const std::string& script, const std::string& exe) {
    for (Directive& d : ds) {
        for (Arg& a : d.args) {
            a.text = replaceAll(a.text, "{script}", script);
            a.text = replaceAll(a.text, "{dir}", folderOf(script));
            a.text = replaceAll(a.text, "{exedir}", folderOf(exe));
            a.text = replaceAll(a.text, "{temp}", tempFolder());
            a.text = replaceAll(a.text, "{appdata}", appDataFolder());
        }
    }
}

// The arguments given to the program: the quoted script path, or the text
// of a leading "cmdline" directive (none if it has no text).
std::string programArgs(const std::vector<Directive>& ds, const std::string& script) {
    if (ds.empty() || ds[0].def->run != nullptr) return "\"" + script + "\"";
    return ds[0].args.empty() ? "" : ds[0].args[0].text;
}

bool launch(const std::string& exe, const std::string& args, Context& c) {
    std::string line = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    std::vector<char> buf(line.begin(), line.end());
    buf.push_back('\0');
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    return CreateProcessA(exe.c_str(), buf.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          c.scriptDir.c_str(), &si, &c.proc) != 0;
}

void finish(Context& c) {
    if (processRunning(c)) {
        TerminateProcess(c.proc.hProcess, 1);
        WaitForSingleObject(c.proc.hProcess, 5000);
    }
    CloseHandle(c.proc.hThread);
    CloseHandle(c.proc.hProcess);
}

Outcome runOne(Context& c, const Directive& d) {
    if (!d.def->run || d.def->needs == Needs::BeforeStart) return pass();
    if (d.def->needs == Needs::LiveWindow && !IsWindow(c.current)) {
        return fail("the current window", "it no longer exists");
    }
    return d.def->run(c, d);
}

// The editor offers the recovery copies it finds in the user's
// application-data folder when it starts: each test starts without any, so
// that a copy one test left (a killed editor's, the fault guard's) never
// brings up that question in the next. A test that wants one writes it with
// setupfile.
void clearRecoveryCopies() {
    std::string folder = appDataFolder() + "\\ZEP\\recovery";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// Carries out the set-up directives, before the program starts.
bool setUp(Context& c, const std::vector<Directive>& ds, const std::string& name) {
    for (const Directive& d : ds) {
        if (d.def->needs != Needs::BeforeStart) continue;
        Outcome o = d.def->run(c, d);
        if (!o.ok) {
            say("FAIL " + name + ":" + std::to_string(d.line) + ": " + d.source + ": " + o.expected +
                " / " + o.seen);
            return false;
        }
    }
    return true;
}

// With ZEPDRIVE_TRACE set, each directive's time goes to stderr.
void trace(const Directive& d, DWORD ms) {
    static const bool on = std::getenv("ZEPDRIVE_TRACE") != nullptr;
    if (!on) return;
    std::string line = sjisToUtf8("  " + std::to_string(d.line) + ": " + std::to_string(ms) + " ms " + d.source + "\n");
    std::fwrite(line.data(), 1, line.size(), stderr);
}

// Runs the directives in order; 0 if all pass, 1 at the first failure.
int runAll(Context& c, const std::vector<Directive>& ds, const std::string& name) {
    for (const Directive& d : ds) {
        DWORD start = GetTickCount();
        Outcome o = runOne(c, d);
        trace(d, GetTickCount() - start);
        if (!o.ok) {
            say("FAIL " + name + ":" + std::to_string(d.line) + ": " + d.source + ": " + o.expected +
                " / " + o.seen);
            return 1;
        }
    }
    say("PASS " + name);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Plain "\n" line ends: the output is read on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (argc != 3) {
        say("usage: zepdrive ZEP_EXE SCRIPT.zep");
        return 2;
    }
    std::string name = argv[2];
    std::vector<Directive> ds;
    std::string error;
    if (!readScript(name, ds, error)) {
        say("ERROR " + name + ": " + error);
        return 2;
    }
    parkPointer();
    Context c;
    std::string exe = fullPath(argv[1]), script = fullPath(name);
    c.scriptDir = folderOf(script);
    c.exePath = exe;
    putPaths(ds, script, exe);
    clearRecoveryCopies();
    if (!setUp(c, ds, name)) return 1;
    if (!launch(exe, programArgs(ds, script), c)) {
        say("ERROR " + name + ": cannot start " + exe + " (error " + std::to_string(GetLastError()) + ")");
        return 2;
    }
    int rc = runAll(c, ds, name);
    finish(c);
    return rc;
}
