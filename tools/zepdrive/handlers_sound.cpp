// Directives on what the program sounds like. tools/winerun --own-audio
// gives the run a private sound server whose output is recorded, 8-bit mono
// at 22050 samples per second, into the file named by ZEP_AUDIO_FILE; these
// directives read that file while it grows. Sound is a 10 ms stretch whose
// samples stray more than 8 from silence (128).
#include <cstdlib>

#include "handlers.h"

namespace zd {
namespace {

constexpr size_t kWindow = 220;  // samples in 10 ms
constexpr int kThreshold = 8;

// Where the recording of the last "listen" started, in bytes.
size_t listenFrom = 0;
DWORD markTime = 0;

// The recording as a Windows path, or empty when the run records nothing.
std::string recordingPath() {
    const char* unixPath = std::getenv("ZEP_AUDIO_FILE");
    if (!unixPath || !*unixPath) return "";
    std::string path = "Z:";
    for (const char* p = unixPath; *p; ++p) path += *p == '/' ? '\\' : *p;
    return path;
}

bool readRecording(std::string& bytes) {
    std::string path = recordingPath();
    return !path.empty() && readFileBytes(path, bytes);
}

// Milliseconds of sound in bytes [from, end).
int soundMs(const std::string& bytes, size_t from) {
    int ms = 0;
    for (size_t w = from; w + kWindow <= bytes.size(); w += kWindow) {
        for (size_t i = w; i < w + kWindow; ++i) {
            if (std::abs((unsigned char)bytes[i] - 128) > kThreshold) {
                ms += 10;
                break;
            }
        }
    }
    return ms;
}

Outcome noRecording() {
    return fail("a recording of the sound (tools/winerun --own-audio)", "none");
}

}  // namespace

// listen: later "heard" counts the sound recorded from now on.
Outcome runListen(Context&, const Directive&) {
    std::string bytes;
    if (!readRecording(bytes)) return noRecording();
    listenFrom = bytes.size();
    return pass();
}

// heard MS: polls until at least MS ms of sound were recorded since "listen".
Outcome runHeard(Context& c, const Directive& d) {
    int want = (int)d.args[0].num, seen = 0;
    std::string bytes;
    if (!readRecording(bytes)) return noRecording();
    bool ok = pollFor(c.timeoutMs, [&] {
        if (!readRecording(bytes)) return Poll::Stop;
        seen = soundMs(bytes, listenFrom);
        return seen >= want ? Poll::Done : Poll::Wait;
    });
    if (ok) return pass();
    return fail(std::to_string(want) + " ms of sound", std::to_string(seen) + " ms");
}

// quiet MS: no sound is recorded during the next MS ms.
Outcome runQuiet(Context&, const Directive& d) {
    std::string bytes;
    if (!readRecording(bytes)) return noRecording();
    size_t from = bytes.size();
    Sleep((DWORD)d.args[0].num);
    if (!readRecording(bytes)) return noRecording();
    int seen = soundMs(bytes, from);
    return seen == 0 ? pass() : fail("silence", std::to_string(seen) + " ms of sound");
}

// mark: the moment "elapsed" measures from.
Outcome runMark(Context&, const Directive&) {
    markTime = GetTickCount();
    return pass();
}

// elapsed MS: at least MS ms have passed since "mark".
Outcome runElapsed(Context&, const Directive& d) {
    DWORD since = GetTickCount() - markTime;
    if (since >= (DWORD)d.args[0].num) return pass();
    return fail("at least " + std::to_string(d.args[0].num) + " ms since mark",
                std::to_string((unsigned long)since) + " ms");
}

}  // namespace zd
