// Directives on the items of a dialog (or any window's children), named by
// their control id: texts, buttons, list and combo selections, check marks,
// scroll bars, the focus and the default button.
#include <cstdio>
#include <cwchar>

#include "handlers.h"
#include "input.h"
#include "text.h"
#include "winfind.h"

namespace zd {
namespace {

const UINT kSendTimeoutMs = 2000;

// A cross-process message that gives up when the program hangs.
LRESULT sendTo(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) return -1;
    return (LRESULT)result;
}

std::string idText(long long id) { return "an item " + std::to_string(id); }

HWND item(Context& c, const Directive& d) { return GetDlgItem(c.current, (int)d.args[0].num); }

std::string classOf(HWND hwnd) {
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    return cls;
}

bool isCombo(HWND hwnd) { return lstrcmpiA(classOf(hwnd).c_str(), "ComboBox") == 0; }

// Polls get() on an existing item until it gives expected.
template <class Get>
Outcome waitForItem(Context& c, const Directive& d, const std::string& expected, Get get) {
    std::string seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        HWND h = item(c, d);
        if (h == nullptr) return (seen = "no such item", Poll::Wait);
        seen = get(h);
        return seen == expected ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail(expected, seen);
}

// The Unicode form of a message: item texts of list and combo boxes are
// read and sought in UTF-16, which crosses processes as it is, and
// converted here from and to the program's code page.
LRESULT sendToW(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) return -1;
    return (LRESULT)result;
}

std::wstring wide(const std::string& sjis) {
    int n = MultiByteToWideChar(932, 0, sjis.c_str(), -1, nullptr, 0);
    std::wstring w(n > 0 ? (size_t)n : 1, L'\0');
    MultiByteToWideChar(932, 0, sjis.c_str(), -1, &w[0], n);
    return w;
}

// The text of the list's or combo box's item at index, quoted; "none" for -1.
std::string itemAt(HWND h, LRESULT index) {
    if (index < 0) return "none";
    bool combo = isCombo(h);
    LRESULT len = sendToW(h, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, (WPARAM)index, 0);
    if (len < 0) return "none";
    std::wstring text((size_t)len + 1, L'\0');
    sendToW(h, combo ? CB_GETLBTEXT : LB_GETTEXT, (WPARAM)index, (LPARAM)&text[0]);
    text.resize(wcslen(text.c_str()));
    return quoted(utf16ToSjis(text));
}

// Selects index and tells the parent, as a user's choice does; the parent
// has handled the notification when this returns, so that what follows
// sees its effect.
void selectIndex(HWND h, LRESULT index) {
    bool combo = isCombo(h);
    sendTo(h, combo ? CB_SETCURSEL : LB_SETCURSEL, (WPARAM)index, 0);
    WORD code = combo ? CBN_SELCHANGE : LBN_SELCHANGE;
    sendTo(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), code), (LPARAM)h);
}

HWND focusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

struct TextSearch {
    const std::string* text;
    bool found;
};

BOOL CALLBACK findText(HWND child, LPARAM lp) {
    TextSearch* s = reinterpret_cast<TextSearch*>(lp);
    if (controlText(child) == *s->text) {
        s->found = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

// itemtext ID "TEXT": polls until the item holds the text.
Outcome runItemText(Context& c, const Directive& d) {
    return waitForItem(c, d, quoted(d.args[1].text), [](HWND h) { return quoted(controlText(h)); });
}

// itemsettext ID "TEXT": replaces the item's text (WM_SETTEXT), as pasting
// over all of it; an edit field then tells its parent of the change.
Outcome runItemSetText(Context& c, const Directive& d) {
    HWND h = item(c, d);
    if (h == nullptr) return fail(idText(d.args[0].num), "none");
    DWORD_PTR result = 0;
    SendMessageTimeoutA(h, WM_SETTEXT, 0, (LPARAM)d.args[1].text.c_str(), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                        &result);
    return pass();
}

// itemclick ID: a click on a button (BM_CLICK), which checks an automatic
// check box or radio button and tells the parent. Waits until the click has
// been handled, or for at most 2 s when it opens a modal window.
Outcome runItemClick(Context& c, const Directive& d) {
    HWND h = item(c, d);
    if (h == nullptr) return fail(idText(d.args[0].num), "none");
    sendTo(h, BM_CLICK, 0, 0);
    return pass();
}

// itemselect ID INDEX: selects a list or combo item and tells the parent
// (and waits until it has handled that).
Outcome runItemSelect(Context& c, const Directive& d) {
    HWND h = item(c, d);
    if (h == nullptr) return fail(idText(d.args[0].num), "none");
    selectIndex(h, (LRESULT)d.args[1].num);
    return pass();
}

// itemdblclick ID INDEX: selects a list box's item and tells the parent of
// a double-click on it (LBN_DBLCLK), waiting until it has handled that.
Outcome runItemDoubleClick(Context& c, const Directive& d) {
    HWND h = item(c, d);
    if (h == nullptr) return fail(idText(d.args[0].num), "none");
    sendTo(h, LB_SETCURSEL, (WPARAM)d.args[1].num, 0);
    sendTo(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), LBN_DBLCLK), (LPARAM)h);
    return pass();
}

// itemchoose ID "TEXT": selects the list or combo item with exactly this text.
Outcome runItemChoose(Context& c, const Directive& d) {
    HWND h = item(c, d);
    if (h == nullptr) return fail(idText(d.args[0].num), "none");
    std::wstring text = wide(d.args[1].text);
    LRESULT index = sendToW(h, isCombo(h) ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT, (WPARAM)-1,
                            (LPARAM)text.c_str());
    if (index < 0) return fail("an item " + quoted(d.args[1].text), "none in the list");
    selectIndex(h, index);
    return pass();
}

// itemselected ID "TEXT": polls until the selected item has the text.
Outcome runItemSelected(Context& c, const Directive& d) {
    return waitForItem(c, d, quoted(d.args[1].text), [](HWND h) {
        return itemAt(h, sendTo(h, isCombo(h) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
    });
}

// itemcount ID N: polls the number of items of a list or combo box.
Outcome runItemCount(Context& c, const Directive& d) {
    return waitForItem(c, d, std::to_string(d.args[1].num), [](HWND h) {
        return std::to_string(sendTo(h, isCombo(h) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    });
}

// itemcheck ID 0|1: polls a button's check mark.
Outcome runItemCheck(Context& c, const Directive& d) {
    return waitForItem(c, d, d.args[1].num ? "checked" : "not checked", [](HWND h) {
        return sendTo(h, BM_GETCHECK, 0, 0) == BST_CHECKED ? "checked" : "not checked";
    });
}

// itemfocus ID: polls until the item has the keyboard focus.
Outcome runItemFocus(Context& c, const Directive& d) {
    return waitForItem(c, d, "the focus", [&](HWND h) {
        HWND f = focusOf(c.current);
        if (f == h || IsChild(h, f)) return std::string("the focus");
        return f == nullptr ? std::string("no focus")
                            : "the focus on " + classOf(f) + " " + std::to_string(GetDlgCtrlID(f));
    });
}

// itemscroll ID CODE [POS]: WM_HSCROLL (or WM_VSCROLL for a vertical bar)
// from the scroll-bar item to its parent.
Outcome runItemScroll(Context& c, const Directive& d) {
    HWND h = item(c, d);
    if (h == nullptr) return fail(idText(d.args[0].num), "none");
    UINT msg = (GetWindowLongA(h, GWL_STYLE) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    WORD pos = d.args.size() > 2 ? (WORD)d.args[2].num : 0;
    PostMessageA(GetParent(h), msg, MAKEWPARAM((WORD)d.args[1].num, pos), (LPARAM)h);
    return pass();
}

// itemscrollpos ID N: polls the position of a scroll-bar item.
Outcome runItemScrollPos(Context& c, const Directive& d) {
    return waitForItem(c, d, std::to_string(d.args[1].num),
                       [](HWND h) { return std::to_string(sendTo(h, SBM_GETPOS, 0, 0)); });
}

// defbutton ID: the current window's default button.
Outcome runDefButton(Context& c, const Directive& d) {
    LRESULT def = sendTo(c.current, DM_GETDEFID, 0, 0);
    std::string seen = HIWORD(def) == DC_HASDEFID ? std::to_string(LOWORD(def)) : "none";
    std::string want = std::to_string(d.args[0].num);
    return seen == want ? pass() : fail("default button " + want, seen);
}

// focuskey VK: WM_KEYDOWN and WM_KEYUP to the window that has the program's
// keyboard focus, as typing does.
Outcome runFocusKey(Context& c, const Directive& d) {
    HWND f = focusOf(c.current);
    if (f == nullptr) return fail("a window with the focus", "none");
    postKey(f, (UINT)d.args[0].num, true);
    postKey(f, (UINT)d.args[0].num, false);
    return pass();
}

// hastext "TEXT": polls until a child of the current window shows the text.
Outcome runHasText(Context& c, const Directive& d) {
    TextSearch s{&d.args[0].text, false};
    bool ok = pollFor(c.timeoutMs, [&] {
        EnumChildWindows(c.current, findText, (LPARAM)&s);
        return s.found ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail("a child showing " + quoted(d.args[0].text), "none");
}

}  // namespace zd
