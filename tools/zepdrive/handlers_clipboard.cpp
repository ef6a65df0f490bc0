// Directives on the clipboard's text (CF_TEXT), shared by every program of
// the display.
#include <cstring>

#include "handlers.h"
#include "text.h"

namespace zd {
namespace {

// The clipboard's text, or a word in angle brackets saying why there is none.
std::string clipboardText() {
    if (!OpenClipboard(nullptr)) return "<clipboard busy>";
    std::string text = "<no text>";
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes != nullptr) {
        text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

}  // namespace

// clipboard "TEXT": polls until the clipboard holds the text.
Outcome runClipboard(Context& c, const Directive& d) {
    std::string seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        seen = clipboardText();
        return seen == d.args[0].text ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail(quoted(d.args[0].text), quoted(seen));
}

// setclipboard "TEXT": puts the text on the clipboard, so that a later check
// sees only what the program put there.
Outcome runSetClipboard(Context&, const Directive& d) {
    const std::string& text = d.args[0].text;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block == nullptr) return fail("memory for the clipboard", "none");
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return fail("the clipboard", "busy");
    }
    EmptyClipboard();
    bool taken = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    if (!taken) GlobalFree(block);
    return taken ? pass() : fail("the clipboard to take the text", "refused");
}

}  // namespace zd
