// Directives on the child controls of the current window. A control is named
// by a point in the window's client area; the directive reaches the child
// window under that point, in the child's own coordinates.
#include <cstdio>

#include "handlers.h"
#include "input.h"
#include "text.h"
#include "winfind.h"

namespace zd {
namespace {

// The visible child under client point (x, y), with the point in its own
// coordinates; nullptr when the point is on no child.
HWND childAt(HWND parent, int x, int y, POINT* inside) {
    POINT p = {x, y};
    HWND child = childUnder(parent, x, y);
    if (child == nullptr) return nullptr;
    MapWindowPoints(parent, child, &p, 1);
    *inside = p;
    return child;
}

Outcome noChild(const Directive& d) {
    char at[64];
    std::snprintf(at, sizeof at, "a control at %d,%d", (int)d.args[0].num, (int)d.args[1].num);
    return fail(at, "none");
}

}  // namespace

Outcome runCtlClick(Context& c, const Directive& d) {
    POINT p;
    HWND child = childAt(c.current, (int)d.args[0].num, (int)d.args[1].num, &p);
    if (child == nullptr) return noChild(d);
    postMouseMove(child, p.x, p.y);
    postButton(child, Button::Left, Press::Down, p.x, p.y);
    postButton(child, Button::Left, Press::Up, p.x, p.y);
    return pass();
}

Outcome runCtlKey(Context& c, const Directive& d) {
    POINT p;
    HWND child = childAt(c.current, (int)d.args[0].num, (int)d.args[1].num, &p);
    if (child == nullptr) return noChild(d);
    postKey(child, (UINT)d.args[2].num, true);
    postKey(child, (UINT)d.args[2].num, false);
    return pass();
}

// A turn of the mouse wheel over the child, by DELTA (120 a notch, up when
// positive), with Ctrl held when the fourth argument is "ctrl".
Outcome runCtlWheel(Context& c, const Directive& d) {
    POINT p;
    HWND child = childAt(c.current, (int)d.args[0].num, (int)d.args[1].num, &p);
    if (child == nullptr) return noChild(d);
    bool ctrl = d.args.size() > 3 && d.args[3].text == "ctrl";
    POINT screen = {(LONG)d.args[0].num, (LONG)d.args[1].num};
    ClientToScreen(c.current, &screen);
    PostMessageA(child, WM_MOUSEWHEEL, MAKEWPARAM(ctrl ? MK_CONTROL : 0, (WORD)(short)d.args[2].num),
                 MAKELPARAM((WORD)(short)screen.x, (WORD)(short)screen.y));
    return pass();
}

// Types the text's bytes as WM_CHAR messages (for ASCII text).
Outcome runCtlType(Context& c, const Directive& d) {
    if (!awaitNoDialog(c)) return fail("the window free of dialogs", "a dialog of it still there");
    POINT p;
    HWND child = childAt(c.current, (int)d.args[0].num, (int)d.args[1].num, &p);
    if (child == nullptr) return noChild(d);
    for (unsigned char ch : d.args[2].text) postChar(child, ch);
    return pass();
}

Outcome runCtlText(Context& c, const Directive& d) {
    POINT p;
    std::string expected = d.args[2].text, seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        HWND child = childAt(c.current, (int)d.args[0].num, (int)d.args[1].num, &p);
        if (child == nullptr) return (seen = "no control there", Poll::Wait);
        seen = controlText(child);
        return seen == expected ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail(quoted(expected), quoted(seen));
}

// Polls until the control's text is exactly the bytes of the file.
Outcome runCtlFile(Context& c, const Directive& d) {
    POINT p;
    std::string path = scriptRelative(c, d.args[2].text), expected, seen;
    if (!readFileBytes(path, expected)) return fail("a file " + path, "none");
    bool ok = pollFor(c.timeoutMs, [&] {
        HWND child = childAt(c.current, (int)d.args[0].num, (int)d.args[1].num, &p);
        if (child == nullptr) return (seen = "no control there", Poll::Wait);
        seen = controlText(child);
        return seen == expected ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail("the bytes of " + path + " " + quoted(expected), quoted(seen));
}

// Polls until the control's text holds TEXT somewhere.
Outcome runCtlContains(Context& c, const Directive& d) {
    POINT p;
    std::string wanted = d.args[2].text, seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        HWND child = childAt(c.current, (int)d.args[0].num, (int)d.args[1].num, &p);
        if (child == nullptr) return (seen = "no control there", Poll::Wait);
        seen = controlText(child);
        return seen.find(wanted) != std::string::npos ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail("a text holding " + quoted(wanted), quoted(seen));
}

}  // namespace zd
