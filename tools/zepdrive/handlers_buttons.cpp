// Directives for the program's own picture buttons: single mouse messages to
// the child window under a client point, so that a test can press, move and
// release in separate steps and look at the screen in between, and a wait
// for a top-level window class to be gone (the hint window).
#include <cstdio>

#include "handlers.h"
#include "input.h"
#include "winfind.h"

namespace zd {
namespace {

// The visible child under client point (x, y) of parent; nullptr if none.
HWND childAt(HWND parent, int x, int y) {
    return childUnder(parent, x, y);
}

// The message's point: arguments 2 and 3 when given, else 0 and 1; in client
// coordinates of the current window, turned into the child's.
POINT messagePoint(HWND parent, HWND child, const Directive& d) {
    bool own = d.args.size() >= 4;
    POINT p = {(LONG)d.args[own ? 2 : 0].num, (LONG)d.args[own ? 3 : 1].num};
    MapWindowPoints(parent, child, &p, 1);
    return p;
}

Outcome noChild(const Directive& d) {
    char at[64];
    std::snprintf(at, sizeof at, "a control at %d,%d", (int)d.args[0].num, (int)d.args[1].num);
    return fail(at, "none");
}

// Posts one mouse message to the child at arguments 0 and 1.
Outcome postToChild(Context& c, const Directive& d, bool move, Press press) {
    HWND child = childAt(c.current, (int)d.args[0].num, (int)d.args[1].num);
    if (child == nullptr) return noChild(d);
    POINT p = messagePoint(c.current, child, d);
    if (move) {
        postMouseMove(child, p.x, p.y);
    } else {
        postButton(child, Button::Left, press, p.x, p.y);
    }
    return pass();
}

}  // namespace

Outcome runCtlMove(Context& c, const Directive& d) { return postToChild(c, d, true, Press::Down); }
Outcome runCtlDown(Context& c, const Directive& d) { return postToChild(c, d, false, Press::Down); }
Outcome runCtlUp(Context& c, const Directive& d) { return postToChild(c, d, false, Press::Up); }

Outcome runNoWindow(Context& c, const Directive& d) {
    std::string seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        for (const WindowInfo& w : visibleWindows(c.proc.dwProcessId)) {
            if (w.cls == d.args[0].text) return (seen = "still there", Poll::Wait);
        }
        return Poll::Done;
    });
    return ok ? pass() : fail("no window " + d.args[0].text, seen);
}

Outcome runWindowCount(Context& c, const Directive& d) {
    int want = static_cast<int>(d.args[1].num), seen = 0;
    bool ok = pollFor(c.timeoutMs, [&] {
        seen = 0;
        for (const WindowInfo& w : visibleWindows(c.proc.dwProcessId)) {
            if (w.cls == d.args[0].text) ++seen;
        }
        return seen == want ? Poll::Done : Poll::Wait;
    });
    return ok ? pass()
              : fail(std::to_string(want) + " windows " + d.args[0].text, std::to_string(seen));
}

}  // namespace zd
