// Directives on the menu bar of the current window. Under Wine the menus of
// another process cannot be read (GetMenuItemCount gives -1), so items are
// chosen with the keyboard, through the program's own menu loop, which also
// refuses greyed items as it would for a user.
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
