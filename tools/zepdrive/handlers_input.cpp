// Input directives: they post messages to the current window and do not wait.
#include "handlers.h"
#include "input.h"

namespace zd {
namespace {

int argInt(const Directive& d, size_t i) { return (int)d.args[i].num; }

// The optional button word (third argument); left if omitted.
Button buttonOf(const Directive& d) {
    return d.args.size() > 2 ? static_cast<Button>(d.args[2].num) : Button::Left;
}

Outcome press(Context& c, const Directive& d, Press p) {
    postButton(c.current, buttonOf(d), p, argInt(d, 0), argInt(d, 1));
    return pass();
}

Outcome scroll(Context& c, const Directive& d, UINT msg) {
    WORD pos = d.args.size() > 1 ? (WORD)d.args[1].num : 0;
    postScroll(c.current, msg, (WORD)d.args[0].num, pos);
    return pass();
}

}  // namespace

// Real input goes to the window in front; what is sent before the window
// gets there is lost.
bool bringToFront(Context& c) {
    return pollFor(c.timeoutMs, [&] {
        SetForegroundWindow(c.current);
        return GetForegroundWindow() == c.current ? Poll::Done : Poll::Wait;
    });
}

Outcome runMouseMove(Context& c, const Directive& d) {
    postMouseMove(c.current, argInt(d, 0), argInt(d, 1));
    return pass();
}

Outcome runClick(Context& c, const Directive& d) {
    postMouseMove(c.current, argInt(d, 0), argInt(d, 1));
    press(c, d, Press::Down);
    return press(c, d, Press::Up);
}

Outcome runDblClick(Context& c, const Directive& d) {
    postMouseMove(c.current, argInt(d, 0), argInt(d, 1));
    press(c, d, Press::Down);
    press(c, d, Press::Up);
    press(c, d, Press::DoubleClick);
    return press(c, d, Press::Up);
}

Outcome runDown(Context& c, const Directive& d) { return press(c, d, Press::Down); }
Outcome runUp(Context& c, const Directive& d) { return press(c, d, Press::Up); }

Outcome runKey(Context& c, const Directive& d) {
    postKey(c.current, (UINT)d.args[0].num, true);
    postKey(c.current, (UINT)d.args[0].num, false);
    return pass();
}

Outcome runKeyDown(Context& c, const Directive& d) {
    postKey(c.current, (UINT)d.args[0].num, true);
    return pass();
}

Outcome runKeyUp(Context& c, const Directive& d) {
    postKey(c.current, (UINT)d.args[0].num, false);
    return pass();
}

Outcome runChar(Context& c, const Directive& d) {
    postChar(c.current, (UINT)d.args[0].num);
    return pass();
}

// Real input, as a user's hand gives it: the pointer moves to the client
// point (negative Y reaches the menu bar) and the left button goes down and
// up there. Menus track the real pointer, so they need this.
Outcome runRealClick(Context& c, const Directive& d) {
    POINT at = {argInt(d, 0), argInt(d, 1)};
    ClientToScreen(c.current, &at);
    if (!bringToFront(c)) return fail("the window in front", "another window");
    SetCursorPos(at.x, at.y);
    Sleep(100);  // the move reaches the display's pointer a little later
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    if (SendInput(2, in, sizeof(INPUT)) != 2) return fail("real click", "SendInput refused it");
    return pass();
}

Outcome runHScroll(Context& c, const Directive& d) { return scroll(c, d, WM_HSCROLL); }
Outcome runVScroll(Context& c, const Directive& d) { return scroll(c, d, WM_VSCROLL); }

}  // namespace zd
