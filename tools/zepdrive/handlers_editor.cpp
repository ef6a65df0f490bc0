// Directives for driving a program's editor: menu commands by id, typing
// Unicode characters as a keyboard or an input method does, reading and
// setting an edit control's selection, reading a combo or list box's items,
// and reading the program's menu resource.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "handlers.h"

#include <commctrl.h>

#include "text.h"
#include "winfind.h"

namespace zd {
namespace {

constexpr UINT kSendTimeoutMs = 2000;

// The visible child under client point (x, y) of parent; nullptr if none.
HWND childAt(HWND parent, const Directive& d) {
    return childUnder(parent, (int)d.args[0].num, (int)d.args[1].num);
}

Outcome noChild(const Directive& d) {
    char at[64];
    std::snprintf(at, sizeof at, "a control at %d,%d", (int)d.args[0].num, (int)d.args[1].num);
    return fail(at, "none");
}

std::wstring toWide(const std::string& sjis) {
    int n = MultiByteToWideChar(932, 0, sjis.data(), (int)sjis.size(), nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(932, 0, sjis.data(), (int)sjis.size(), &w[0], n);
    return w;
}

// The control's text as the control keeps it, in UTF-16 code units, which
// is how its selection counts.
std::wstring wideText(HWND control) {
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &len)) {
        return L"";
    }
    std::wstring buf(len + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, len + 1, (LPARAM)&buf[0], SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &got);
    buf.resize(got);
    return buf;
}

// A rich text control keeps a line end as one character; positions in
// scripts count it two, as an edit control and the text (WM_GETTEXT) do.
bool isRich(HWND control) {
    char cls[32] = "";
    GetClassNameA(control, cls, sizeof cls);
    return lstrcmpiA(cls, "RICHEDIT50W") == 0;
}

bool lineEndAt(const std::wstring& text, size_t at) {
    return text[at] == L'\r' && at + 1 < text.size() && text[at + 1] == L'\n';
}

// A position as the control counts it, from one that counts "\r\n" two.
long controlPosition(HWND control, const std::wstring& text, long plain) {
    if (plain < 0 || !isRich(control)) return plain;
    long rich = 0;
    for (size_t at = 0; at < text.size() && (long)at < plain; ++rich) at += lineEndAt(text, at) ? 2 : 1;
    return rich;
}

// The other way.
long plainPosition(HWND control, const std::wstring& text, long position) {
    if (!isRich(control)) return position;
    size_t at = 0;
    for (long n = 0; n < position && at < text.size(); ++n) at += lineEndAt(text, at) ? 2 : 1;
    return (long)at;
}

// The selection, counting a line end two.
void plainSelection(HWND control, size_t* start, size_t* end) {
    DWORD_PTR sel = 0;  // the result, since pointers do not cross to another process
    SendMessageTimeoutA(control, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &sel);
    std::wstring text = wideText(control);
    *start = plainPosition(control, text, (long)LOWORD(sel));
    *end = plainPosition(control, text, (long)HIWORD(sel));
}

// The selected text, converted to Shift-JIS.
std::string selectedText(HWND control) {
    size_t start = 0, end = 0;
    plainSelection(control, &start, &end);
    std::wstring text = wideText(control);
    if (end > text.size()) end = text.size();
    if (start > end) start = end;
    return utf16ToSjis(text.substr(start, end - start));
}

// A combo box's or list box's items, joined by '|'. Read in UTF-16 and
// converted: the system hands another process's item texts over unconverted.
std::string itemsOf(HWND control) {
    char cls[32] = "";
    GetClassNameA(control, cls, sizeof cls);
    bool combo = lstrcmpiA(cls, "ComboBox") == 0;
    DWORD_PTR count = 0;
    SendMessageTimeoutW(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &count);
    std::string joined;
    for (DWORD_PTR i = 0; i < count && (LONG_PTR)count > 0; ++i) {
        wchar_t buf[1024] = L"";
        SendMessageTimeoutW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i, (LPARAM)buf,
                            SMTO_ABORTIFHUNG, kSendTimeoutMs, nullptr);
        joined += (i > 0 ? "|" : "") + utf16ToSjis(buf);
    }
    return joined;
}

// Items of a menu: "TEXT=ID" or "-" for a separator, joined by '|'; a
// submenu shows as its text alone.
std::string menuItems(HMENU menu) {
    std::string joined;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        std::string item = (info.fType & MFT_SEPARATOR) ? "-" : text;
        if (!(info.fType & MFT_SEPARATOR) && info.hSubMenu == nullptr) {
            item += "=" + std::to_string(info.wID);
        }
        joined += (i > 0 ? "|" : "") + item;
    }
    return joined;
}

// The program's menu resource id, loaded from its file; nullptr if none.
HMENU loadProgramMenu(Context& c, int id) {
    HMODULE module = LoadLibraryExA(c.exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return nullptr;
    return LoadMenuA(module, MAKEINTRESOURCEA(id));
}

}  // namespace

namespace {

struct DialogSearch {
    HWND owner;
    bool found;
};

BOOL CALLBACK findDialog(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<DialogSearch*>(p);
    char cls[16] = "";
    GetClassNameA(w, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") == 0 && GetWindow(w, GW_OWNER) == s->owner) s->found = true;
    return !s->found;
}

// True while a dialog of the window still exists, even hidden.
bool hasDialog(HWND window) {
    DialogSearch search = {window, false};
    EnumThreadWindows(GetWindowThreadProcessId(window, nullptr), findDialog,
                      reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

bool awaitNoDialog(Context& c) {
    return pollFor(c.timeoutMs, [&] { return hasDialog(c.current) ? Poll::Wait : Poll::Done; });
}

// Posted once no dialog of the window is left, as a menu can be used only then.
Outcome runCommand(Context& c, const Directive& d) {
    if (!awaitNoDialog(c)) return fail("the window free of dialogs", "a dialog of it still there");
    PostMessageA(c.current, WM_COMMAND, MAKEWPARAM((WORD)d.args[0].num, 0), 0);
    return pass();
}

// Each character as the keyboard input of a Unicode character (VK_PACKET,
// as an input method delivers it), to the window that has the focus; the
// program's message loop turns it into its characters.
Outcome runTypeUnicode(Context& c, const Directive& d) {
    if (!bringToFront(c)) return fail("the window in front", "another window");
    std::vector<INPUT> inputs;
    for (wchar_t ch : toWide(d.args[0].text)) {
        for (DWORD up : {0ul, (DWORD)KEYEVENTF_KEYUP}) {
            INPUT in = {};
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = ch;
            in.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(in);
        }
    }
    UINT sent = SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size()) return fail("typed input", "SendInput refused it");
    return pass();
}

Outcome runCtlSelected(Context& c, const Directive& d) {
    std::string seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        HWND child = childAt(c.current, d);
        if (child == nullptr) return (seen = "no control there", Poll::Wait);
        seen = selectedText(child);
        return seen == d.args[2].text ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail(quoted(d.args[2].text), quoted(seen));
}

Outcome runCtlSelect(Context& c, const Directive& d) {
    if (!awaitNoDialog(c)) return fail("the window free of dialogs", "a dialog of it still there");
    HWND child = childAt(c.current, d);
    if (child == nullptr) return noChild(d);
    std::wstring text = wideText(child);
    PostMessageA(child, EM_SETSEL, (WPARAM)controlPosition(child, text, (long)d.args[2].num),
                 (LPARAM)controlPosition(child, text, (long)d.args[3].num));
    return pass();
}

// The selection's start and end as the control counts them (characters).
Outcome runCtlSelection(Context& c, const Directive& d) {
    std::string want = std::to_string(d.args[2].num) + ".." + std::to_string(d.args[3].num), seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        HWND child = childAt(c.current, d);
        if (child == nullptr) return (seen = "no control there", Poll::Wait);
        size_t start = 0, end = 0;
        plainSelection(child, &start, &end);
        seen = std::to_string(start) + ".." + std::to_string(end);
        return seen == want ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail(want, seen);
}

// Clicks the first place the rich text control shows TEXT, as a user
// clicks a link: the button goes down and up a little inside its first
// character.
Outcome runCtlLink(Context& c, const Directive& d) {
    std::wstring wanted = toWide(d.args[2].text), text;
    long at = -1;
    HWND child = nullptr;
    bool ok = pollFor(c.timeoutMs, [&] {
        child = childAt(c.current, d);
        if (child == nullptr) return Poll::Wait;
        text = wideText(child);
        size_t found = text.find(wanted);
        at = found == std::wstring::npos ? -1 : (long)found;
        return at >= 0 ? Poll::Done : Poll::Wait;
    });
    if (!ok) return fail("a text holding " + quoted(d.args[2].text), child == nullptr ? "no control there" : "not there");
    DWORD_PTR point = 0;  // the index form: the point comes back packed
    SendMessageTimeoutA(child, EM_POSFROMCHAR, (WPARAM)controlPosition(child, text, at), 0,
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &point);
    LPARAM where = MAKELPARAM((short)LOWORD(point) + 3, (short)HIWORD(point) + 5);
    PostMessageA(child, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageA(child, WM_LBUTTONUP, 0, where);
    return pass();
}

// Replaces a control's text, as pasting over all of it would.
Outcome runCtlSetText(Context& c, const Directive& d) {
    HWND child = childAt(c.current, d);
    if (child == nullptr) return noChild(d);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(child, WM_SETTEXT, 0, (LPARAM)d.args[2].text.c_str(), SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &result);
    return pass();
}

Outcome runCtlItems(Context& c, const Directive& d) {
    std::string seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        HWND child = childAt(c.current, d);
        if (child == nullptr) return (seen = "no control there", Poll::Wait);
        seen = itemsOf(child);
        return seen == d.args[2].text ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail(quoted(d.args[2].text), quoted(seen));
}

// The titles of the menu bar's popups, joined by '|', and that the current
// window shows a menu bar.
Outcome runMenuBar(Context& c, const Directive& d) {
    if (GetMenu(c.current) == nullptr) return fail("a menu bar on the window", "none");
    HMENU menu = loadProgramMenu(c, (int)d.args[0].num);
    if (menu == nullptr) return fail("menu resource " + std::to_string(d.args[0].num), "none");
    std::string titles = menuItems(menu);
    return titles == d.args[1].text ? pass() : fail(quoted(d.args[1].text), quoted(titles));
}

Outcome runMenuPopup(Context& c, const Directive& d) {
    HMENU menu = loadProgramMenu(c, (int)d.args[0].num);
    if (menu == nullptr) return fail("menu resource " + std::to_string(d.args[0].num), "none");
    HMENU popup = GetSubMenu(menu, (int)d.args[1].num);
    if (popup == nullptr) return fail("popup " + std::to_string(d.args[1].num), "none");
    std::string items = menuItems(popup);
    return items == d.args[2].text ? pass() : fail(quoted(d.args[2].text), quoted(items));
}

namespace {

// A key of "ctrl+shift+s": ctrl, shift and alt, then a letter or digit, or
// a virtual-key code (decimal or 0x hex). 0 when the text names none.
UINT keyOf(const std::string& token) {
    if (token.size() == 1 && std::isalnum((unsigned char)token[0])) {
        return (UINT)std::toupper((unsigned char)token[0]);
    }
    char* end = nullptr;
    unsigned long vk = std::strtoul(token.c_str(), &end, 0);
    return (end != token.c_str() && *end == '\0' && vk > 0 && vk < 256) ? (UINT)vk : 0;
}

INPUT keyInput(UINT vk, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = (WORD)vk;
    in.ki.wScan = (WORD)MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

}  // namespace

// Real key presses (SendInput), so that the program sees its modifiers held
// as a user's shortcut does.
Outcome runPress(Context& c, const Directive& d) {
    std::vector<UINT> held;
    UINT key = 0;
    std::string keys = d.args[0].text;
    size_t from = 0;
    for (;;) {
        size_t plus = keys.find('+', from + 1);
        std::string token = keys.substr(from, plus == std::string::npos ? std::string::npos : plus - from);
        if (token == "ctrl") held.push_back(VK_CONTROL);
        else if (token == "shift") held.push_back(VK_SHIFT);
        else if (token == "alt") held.push_back(VK_MENU);
        else if ((key = keyOf(token)) == 0) return fail("a key", quoted(token));
        if (plus == std::string::npos) break;
        from = plus + 1;
    }
    if (key == 0) return fail("a key after the modifiers", quoted(keys));
    if (!bringToFront(c)) return fail("the window in front", "another window");
    std::vector<INPUT> inputs;
    for (UINT vk : held) inputs.push_back(keyInput(vk, false));
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    for (size_t i = held.size(); i-- > 0;) inputs.push_back(keyInput(held[i], true));
    UINT sent = SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
    return sent == inputs.size() ? pass() : fail("pressed keys", "SendInput refused them");
}

// A part of the current window's status bar, read through memory of the
// program's own (the bar writes its text there).
Outcome runStatusText(Context& c, const Directive& d) {
    std::string seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        HWND bar = FindWindowExA(c.current, nullptr, "msctls_statusbar32", nullptr);
        if (bar == nullptr) return (seen = "no status bar", Poll::Wait);
        void* remote = VirtualAllocEx(c.proc.hProcess, nullptr, 1024 * sizeof(wchar_t),
                                      MEM_COMMIT, PAGE_READWRITE);
        if (remote == nullptr) return (seen = "no memory in the program", Poll::Stop);
        wchar_t text[1024] = L"";
        DWORD_PTR got = 0;
        SendMessageTimeoutW(bar, SB_GETTEXTLENGTHW, (WPARAM)d.args[0].num, 0, SMTO_ABORTIFHUNG,
                            kSendTimeoutMs, &got);
        if (LOWORD(got) < 1024) {
            SendMessageTimeoutW(bar, SB_GETTEXTW, (WPARAM)d.args[0].num, (LPARAM)remote,
                                SMTO_ABORTIFHUNG, kSendTimeoutMs, nullptr);
            ReadProcessMemory(c.proc.hProcess, remote, text, (LOWORD(got) + 1) * sizeof(wchar_t),
                              nullptr);
            text[LOWORD(got)] = L'\0';
        }
        VirtualFreeEx(c.proc.hProcess, remote, 0, MEM_RELEASE);
        seen = utf16ToSjis(text);
        return seen == d.args[1].text ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail(quoted(d.args[1].text), quoted(seen));
}

// A number the program keeps in the registry, under HKEY_CURRENT_USER.
Outcome runRegDword(Context& c, const Directive& d) {
    std::string seen = "none";
    bool ok = pollFor(c.timeoutMs, [&] {
        DWORD value = 0, size = sizeof value;
        if (RegGetValueA(HKEY_CURRENT_USER, d.args[0].text.c_str(), d.args[1].text.c_str(),
                         RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
            return Poll::Wait;
        }
        seen = std::to_string(value);
        return (long)value == d.args[2].num ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail(std::to_string(d.args[2].num), seen);
}

}  // namespace zd
