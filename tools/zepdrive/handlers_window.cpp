// Directives about the program's top-level windows.
#include <cstdio>

#include "handlers.h"
#include "text.h"
#include "winfind.h"

namespace zd {
namespace {

std::string pairText(long a, long b, const char* sep) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%ld%s%ld", a, sep, b);
    return buf;
}

std::string hexText(unsigned long v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08lX", v);
    return buf;
}

// Polls get() on the current window until it returns expected.
template <class Get>
Outcome waitFor(Context& c, const std::string& expected, Get get) {
    std::string seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        if (!IsWindow(c.current)) {
            seen = "the window is gone";
            return Poll::Stop;
        }
        seen = get();
        return seen == expected ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail(expected, seen);
}

bool matches(const WindowInfo& w, const Directive& d) {
    return w.cls == d.args[0].text && (d.args.size() < 2 || w.title == d.args[1].text);
}

void setPos(HWND hwnd, int x, int y, int w, int h, UINT flags) {
    // Asynchronous, so a busy program cannot hang the driver; the checks
    // that follow poll anyway.
    SetWindowPos(hwnd, nullptr, x, y, w, h, flags | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
}

}  // namespace

Outcome runWindow(Context& c, const Directive& d) {
    std::vector<WindowInfo> ws;
    bool exited = false;
    bool ok = pollFor(c.timeoutMs, [&] {
        ws = visibleWindows(c.proc.dwProcessId);
        for (const WindowInfo& w : ws) {
            if (matches(w, d)) {
                c.current = w.hwnd;
                return Poll::Done;
            }
        }
        exited = !processRunning(c);
        return exited ? Poll::Stop : Poll::Wait;
    });
    if (ok) return pass();
    std::string want = "a window " + d.args[0].text;
    if (d.args.size() > 1) want += " " + quoted(d.args[1].text);
    std::string seen = "windows: " + describe(ws);
    return fail(want, exited ? exitedText(c) + "; " + seen : seen);
}

Outcome runClose(Context& c, const Directive&) {
    if (!awaitNoDialog(c)) return fail("the window free of dialogs", "a dialog of it still there");
    PostMessageA(c.current, WM_SYSCOMMAND, SC_CLOSE, 0);
    return pass();
}

Outcome runResize(Context& c, const Directive& d) {
    setPos(c.current, 0, 0, (int)d.args[0].num, (int)d.args[1].num, SWP_NOMOVE);
    return pass();
}

Outcome runMoveTo(Context& c, const Directive& d) {
    setPos(c.current, (int)d.args[0].num, (int)d.args[1].num, 0, 0, SWP_NOSIZE);
    return pass();
}

Outcome runTitle(Context& c, const Directive& d) {
    return waitFor(c, quoted(d.args[0].text), [&] { return quoted(windowTitle(c.current)); });
}

Outcome runClientSize(Context& c, const Directive& d) {
    return waitFor(c, pairText((long)d.args[0].num, (long)d.args[1].num, "x"), [&] {
        RECT r = {};
        GetClientRect(c.current, &r);
        return pairText(r.right, r.bottom, "x");
    });
}

Outcome runWindowPos(Context& c, const Directive& d) {
    return waitFor(c, pairText((long)d.args[0].num, (long)d.args[1].num, ","), [&] {
        RECT r = {};
        GetWindowRect(c.current, &r);
        return pairText(r.left, r.top, ",");
    });
}

Outcome runClientPos(Context& c, const Directive& d) {
    return waitFor(c, pairText((long)d.args[0].num, (long)d.args[1].num, ","), [&] {
        POINT p = {0, 0};
        ClientToScreen(c.current, &p);
        return pairText(p.x, p.y, ",");
    });
}

Outcome runStyle(Context& c, const Directive& d) {
    unsigned long style = (unsigned long)GetWindowLongA(c.current, GWL_STYLE);
    unsigned long want = (unsigned long)d.args[0].num;
    if ((style & 0xFFFF0000UL) == want) return pass();
    return fail("style " + hexText(want), hexText(style & 0xFFFF0000UL) + " (whole style " + hexText(style) + ")");
}

Outcome runTopmost(Context& c, const Directive& d) {
    bool top = (GetWindowLongA(c.current, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (top == (d.args[0].num == 1)) return pass();
    return fail(top ? "not topmost" : "topmost", top ? "topmost" : "not topmost");
}

Outcome runGone(Context& c, const Directive&) {
    bool ok = pollFor(c.timeoutMs, [&] { return IsWindow(c.current) ? Poll::Wait : Poll::Done; });
    return ok ? pass() : fail("the window to be gone", "it still exists: " + quoted(windowTitle(c.current)));
}

}  // namespace zd
