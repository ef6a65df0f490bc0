#include "winfind.h"

#include "text.h"

namespace zd {
namespace {

// Cross-process messages wait at most this long, so a hung program makes a
// check fail instead of hanging the driver.
const UINT kSendTimeoutMs = 2000;

struct EnumState {
    DWORD pid;
    std::vector<WindowInfo>* out;
};

BOOL CALLBACK collect(HWND hwnd, LPARAM lp) {
    EnumState* st = reinterpret_cast<EnumState*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != st->pid || !IsWindowVisible(hwnd)) return TRUE;
    char cls[256] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    st->out->push_back(WindowInfo{hwnd, cls, windowTitle(hwnd)});
    return TRUE;
}

BOOL CALLBACK findIcon(HWND child, LPARAM lp) {
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if (lstrcmpiA(cls, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HWND*>(lp) = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::vector<WindowInfo> visibleWindows(DWORD pid) {
    std::vector<WindowInfo> out;
    EnumState st{pid, &out};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&st));
    return out;
}

std::string describe(const std::vector<WindowInfo>& ws) {
    if (ws.empty()) return "none";
    std::string s;
    for (const WindowInfo& w : ws) {
        if (!s.empty()) s += ", ";
        s += w.cls + " " + quoted(w.title);
    }
    return s;
}

std::string windowTitle(HWND hwnd) {
    char buf[1024] = "";
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

std::string controlText(HWND control) {
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &len)) {
        return "";
    }
    std::string buf(len + 1, '\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutA(control, WM_GETTEXT, len + 1, reinterpret_cast<LPARAM>(&buf[0]),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &got);
    buf.resize(got);
    return buf;
}

bool isMessageBox(const WindowInfo& w) { return w.cls == "#32770"; }

HWND boxTextControl(HWND box) { return GetDlgItem(box, 0xFFFF); }

HWND boxIconControl(HWND box) {
    HWND found = nullptr;
    EnumChildWindows(box, findIcon, reinterpret_cast<LPARAM>(&found));
    return found;
}

void pressDefaultButton(HWND box) {
    DWORD_PTR def = 0;
    SendMessageTimeoutA(box, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &def);
    WORD id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

HWND childUnder(HWND parent, int x, int y) {
    for (int waited = 0;; waited += 20) {
        POINT p = {x, y};
        HWND child = ChildWindowFromPointEx(parent, p, CWP_SKIPINVISIBLE);
        if (child != nullptr && child != parent) return child;
        if (waited >= 3000 || !IsWindow(parent)) return nullptr;
        Sleep(20);
    }
}

}  // namespace zd
