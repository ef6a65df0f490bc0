// Directives on the menu bar of the current window. Under Wine the menus of
// another process cannot be read (GetMenuItemCount gives -1), so items are
// chosen with the keyboard, through the program's own menu loop, which also
// refuses greyed items as it would for a user.
#include <cstring>

#include "handlers.h"

namespace zd {

// Alt with a letter, as typed: the program's TranslateMessage makes the
// WM_SYSCHAR from the key-down (posting one too would open the menu and then
// choose at once), and the window's default handling opens the menu whose
// title has that mnemonic, on its first item; the keys that follow (key 0x28
// for the next item, key 0x0D to choose it) go to the menu.
Outcome runAltKey(Context& c, const Directive& d) {
    UINT ch = (unsigned char)d.args[0].text[0];
    UINT vk = (ch >= 'a' && ch <= 'z') ? ch - 'a' + 'A' : ch;
    LPARAM lp = 1 | (LPARAM)(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) & 0xFF) << 16 | (LPARAM)1 << 29;
    PostMessageA(c.current, WM_SYSKEYDOWN, vk, lp);
    PostMessageA(c.current, WM_SYSKEYUP, vk, lp | (LPARAM)3 << 30);
    return pass();
}

}  // namespace zd

namespace zd {
namespace {

struct PopupSearch {
    DWORD process;
    HWND before;  // the popup seen last, which does not count
    HWND found;
};

BOOL CALLBACK findPopupMenu(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<PopupSearch*>(p);
    char cls[16] = "";
    GetClassNameA(w, cls, sizeof cls);
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    if (std::strcmp(cls, "#32768") == 0 && process == s->process && IsWindowVisible(w) &&
        w != s->before) {
        s->found = w;
    }
    return s->found == nullptr;
}

}  // namespace

// Waits until the program shows a popup menu other than the one the last
// menuopen found: each popup shown gets a window of its own, so that after
// Alt with a letter, or Left or Right in an open menu, the keys that follow
// reach the menu that opened.
Outcome runMenuOpen(Context& c, const Directive&) {
    PopupSearch search = {c.proc.dwProcessId, c.menuPopup, nullptr};
    bool ok = pollFor(c.timeoutMs, [&] {
        search.found = nullptr;
        EnumWindows(findPopupMenu, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr ? Poll::Done : Poll::Wait;
    });
    if (!ok) return fail("a popup menu opened", "none");
    c.menuPopup = search.found;
    return pass();
}

}  // namespace zd
