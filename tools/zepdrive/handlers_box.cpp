// Message box directives: wait for a box, check its text (and icon), press
// its default button; or make sure no box shows up.
#include "capture.h"
#include "handlers.h"
#include "text.h"
#include "winfind.h"

namespace zd {
namespace {

std::vector<WindowInfo> messageBoxes(const Context& c) {
    std::vector<WindowInfo> boxes;
    for (const WindowInfo& w : visibleWindows(c.proc.dwProcessId)) {
        if (isMessageBox(w)) boxes.push_back(w);
    }
    return boxes;
}

Outcome waitForBox(Context& c, const std::string& title, HWND& box) {
    std::vector<WindowInfo> boxes;
    bool exited = false;
    bool ok = pollFor(c.timeoutMs, [&] {
        boxes = messageBoxes(c);
        for (const WindowInfo& w : boxes) {
            if (w.title == title) {
                box = w.hwnd;
                return Poll::Done;
            }
        }
        exited = !processRunning(c);
        return exited ? Poll::Stop : Poll::Wait;
    });
    if (ok) return pass();
    std::string seen = "message boxes: " + describe(boxes);
    return fail("a message box " + quoted(title), exited ? exitedText(c) + "; " + seen : seen);
}

Outcome checkText(Context& c, HWND box, const std::string& want) {
    std::string seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        seen = controlText(boxTextControl(box));
        return seen == want ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail("text " + quoted(want), "text " + quoted(seen));
}

struct IconKind {
    LPCSTR id;
    const char* name;
};

const IconKind kIcons[] = {
    {IDI_EXCLAMATION, "an exclamation icon"},
    {IDI_HAND, "an error (hand) icon"},
    {IDI_ASTERISK, "an information icon"},
    {IDI_QUESTION, "a question icon"},
};

// Which system icon the shown pixels are closest to, or null if none is
// close (fewer than a tenth of the pixels differ).
const IconKind* closestIcon(const Image& shown) {
    const IconKind* best = nullptr;
    int bestDiff = shown.w * shown.h / 10;
    for (const IconKind& k : kIcons) {
        int diff = iconMismatch(shown, k.id);
        if (diff < bestDiff) {
            bestDiff = diff;
            best = &k;
        }
    }
    return best;
}

// The icon is compared as shown on the screen with the system's own
// exclamation icon, drawn by the driver at the same size.
Outcome checkExclamation(Context& c, HWND box) {
    std::string seen = "no icon";
    bool ok = pollFor(c.timeoutMs, [&] {
        HWND icon = boxIconControl(box);
        RECT r;
        Image img;
        if (!icon || !GetWindowRect(icon, &r)) return Poll::Wait;
        if (!captureScreen(r.left, r.top, r.right - r.left, r.bottom - r.top, img)) return Poll::Wait;
        const IconKind* k = closestIcon(img);
        seen = k ? k->name : "an icon unlike the system ones";
        return k == &kIcons[0] ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail("an exclamation icon", seen);
}

Outcome pressAndWait(Context& c, HWND box, int button = 0) {
    if (button == 0) {
        pressDefaultButton(box);
    } else {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    }
    bool ok = pollFor(c.timeoutMs, [&] {
        return IsWindow(box) && IsWindowVisible(box) ? Poll::Wait : Poll::Done;
    });
    return ok ? pass() : fail("the box to close on its default button", "it stays open");
}

Outcome runBoxChecked(Context& c, const Directive& d, bool exclamation) {
    HWND box = nullptr;
    Outcome o = waitForBox(c, d.args[0].text, box);
    if (o.ok) o = checkText(c, box, d.args[1].text);
    if (o.ok && exclamation) o = checkExclamation(c, box);
    if (o.ok) o = pressAndWait(c, box);
    return o;
}

}  // namespace

Outcome runBox(Context& c, const Directive& d) { return runBoxChecked(c, d, false); }

// boxpress "TITLE" "TEXT" "ok|cancel|yes|no": the box, its text, then that button.
Outcome runBoxPress(Context& c, const Directive& d) {
    static const struct { const char* word; int id; } kButtons[] = {
        {"ok", IDOK}, {"cancel", IDCANCEL}, {"yes", IDYES}, {"no", IDNO}};
    int id = 0;
    for (const auto& b : kButtons) {
        if (d.args[2].text == b.word) id = b.id;
    }
    if (id == 0) return fail("ok, cancel, yes or no", quoted(d.args[2].text));
    HWND box = nullptr;
    Outcome o = waitForBox(c, d.args[0].text, box);
    if (o.ok) o = checkText(c, box, d.args[1].text);
    if (o.ok) o = pressAndWait(c, box, id);
    return o;
}

Outcome runBoxExclamation(Context& c, const Directive& d) { return runBoxChecked(c, d, true); }

// boxowner CLASS: a message box is shown, owned by a window of that class;
// the box stays open for the next directive.
Outcome runBoxOwner(Context& c, const Directive& d) {
    std::string seen = "no message box";
    bool ok = pollFor(c.timeoutMs, [&] {
        std::vector<WindowInfo> boxes = messageBoxes(c);
        if (boxes.empty()) return processRunning(c) ? Poll::Wait : Poll::Stop;
        HWND owner = GetWindow(boxes[0].hwnd, GW_OWNER);
        char cls[64] = "";
        if (owner != nullptr) GetClassNameA(owner, cls, sizeof cls);
        seen = owner != nullptr ? std::string("owned by ") + cls : "no owner";
        return seen == "owned by " + d.args[0].text ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail("a message box owned by " + d.args[0].text, seen);
}

Outcome runNoBox(Context& c, const Directive& d) {
    std::vector<WindowInfo> boxes;
    pollFor((DWORD)d.args[0].num, [&] {
        boxes = messageBoxes(c);
        return boxes.empty() ? Poll::Wait : Poll::Stop;
    });
    if (boxes.empty()) return pass();
    HWND text = boxTextControl(boxes[0].hwnd);
    return fail("no message box", "a box " + quoted(boxes[0].title) + " " + quoted(controlText(text)));
}

}  // namespace zd
