// A small window for checking zepdrive itself.
//
// White client area with a red 10x10 square at (0,0). A left click paints a
// blue 4x4 square at the click point. Key 65 ('A') writes selftest_out.txt
// with "A"; key 67 ('C') writes selftest_args.txt with the arguments part of
// the command line; key 73 ('I') shows an information message box. A right
// click shows an exclamation message box. Other input is reported in the
// title so the driver's input directives can be checked. Closing the window
// exits with code 7.
//
// Key 76 ('L') opens a second window, "一覧" (class SELFTESTLIST), holding a
// list view (id 301, report view, three columns, four rows of Japanese
// text, one cell of 300 characters) inside a panel (id 303), and a static (id 302) that shows what the
// list view last told: "selected ROW [focused]" for a row that became
// selected, "click ROW COL" and "dblclick ROW COL". A double click also adds
// a row "追加N" "N" "整数". Closing that window only closes it.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const char kClass[] = "SELFTEST";
const char kTitle[] = "テスト窓";
const char kListClass[] = "SELFTESTLIST";
const char kPanelClass[] = "SELFTESTPANEL";
const int kListId = 301;
const int kSaidId = 302;
const int kPanelId = 303;

std::vector<POINT> g_dots;

void writeFile(const char* name, const std::string& bytes) {
    FILE* f = std::fopen(name, "wb");
    if (!f) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// The command line minus the program name (which may be quoted).
std::string argumentsPart() {
    const char* p = GetCommandLineA();
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

void setTitlef(HWND hwnd, const char* fmt, int a, int b, int c = 0) {
    char buf[128];
    std::snprintf(buf, sizeof buf, fmt, a, b, c);
    SetWindowTextA(hwnd, buf);
}

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(dc, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT sq = {0, 0, 10, 10};
    FillRect(dc, &sq, red);
    DeleteObject(red);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    for (const POINT& p : g_dots) {
        RECT d = {p.x, p.y, p.x + 4, p.y + 4};
        FillRect(dc, &d, blue);
    }
    DeleteObject(blue);
    EndPaint(hwnd, &ps);
}

void addRow(HWND list, int row, const wchar_t* name, const wchar_t* value, const wchar_t* type) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(name);
    SendMessageW(list, LVM_INSERTITEMW, 0, (LPARAM)&item);
    const wchar_t* rest[] = {value, type};
    for (int col = 1; col <= 2; ++col) {
        item.iSubItem = col;
        item.pszText = const_cast<wchar_t*>(rest[col - 1]);
        SendMessageW(list, LVM_SETITEMTEXTW, (WPARAM)row, (LPARAM)&item);
    }
}

void fillList(HWND list) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const wchar_t* titles[] = {L"変数", L"値", L"型"};
    for (int col = 0; col < 3; ++col) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 100;
        column.pszText = const_cast<wchar_t*>(titles[col]);
        SendMessageW(list, LVM_INSERTCOLUMNW, (WPARAM)col, (LPARAM)&column);
    }
    addRow(list, 0, L"得点", L"3", L"整数");
    addRow(list, 1, L"名前", L"太郎", L"文字列");
    addRow(list, 2, L"速さ", L"1.5", L"実数");
    std::wstring text;
    for (int i = 0; i < 30; ++i) text += L"一二三四五六七八九十";
    addRow(list, 3, L"説明", text.c_str(), L"文字列");
}

void say(HWND listWindow, const char* fmt, int a, int b) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, a, b);
    SetDlgItemTextA(listWindow, kSaidId, buf);
}

// What the list view tells its parent, shown in the static.
void onListNotify(HWND hwnd, const NMHDR* nm) {
    if (nm->idFrom != kListId) return;
    if (nm->code == LVN_ITEMCHANGED) {
        const NMLISTVIEW* lv = reinterpret_cast<const NMLISTVIEW*>(nm);
        bool selected = (lv->uChanged & LVIF_STATE) && (lv->uNewState & LVIS_SELECTED) &&
                        !(lv->uOldState & LVIS_SELECTED);
        if (selected) say(hwnd, (lv->uNewState & LVIS_FOCUSED) ? "selected %d focused" : "selected %d", lv->iItem, 0);
    } else if (nm->code == NM_CLICK || nm->code == NM_DBLCLK) {
        const NMITEMACTIVATE* act = reinterpret_cast<const NMITEMACTIVATE*>(nm);
        say(hwnd, nm->code == NM_CLICK ? "click %d %d" : "dblclick %d %d", act->iItem, act->iSubItem);
        if (nm->code == NM_DBLCLK) {
            static int added = 0;
            ++added;
            wchar_t name[16], value[16];
            std::swprintf(name, 16, L"追加%d", added);
            std::swprintf(value, 16, L"%d", added);
            HWND list = nm->hwndFrom;
            addRow(list, (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), name, value, L"整数");
        }
    }
}

// The panel holding the list view passes its notifications on to its parent.
LRESULT CALLBACK panelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY) return SendMessageW(GetParent(hwnd), msg, wp, lp);
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK listWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: {
        HINSTANCE inst = ((CREATESTRUCTA*)lp)->hInstance;
        CreateWindowA("STATIC", "none", WS_CHILD | WS_VISIBLE, 0, 0, 340, 24, hwnd,
                      (HMENU)(INT_PTR)kSaidId, inst, nullptr);
        HWND panel = CreateWindowA(kPanelClass, "", WS_CHILD | WS_VISIBLE, 0, 30, 340, 150, hwnd,
                                   (HMENU)(INT_PTR)kPanelId, inst, nullptr);
        HWND list = CreateWindowW(WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL,
                                  0, 0, 340, 150, panel, (HMENU)(INT_PTR)kListId, inst, nullptr);
        fillList(list);
        return 0;
    }
    case WM_NOTIFY: onListNotify(hwnd, reinterpret_cast<const NMHDR*>(lp)); return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void openListWindow(HWND owner) {
    HINSTANCE inst = (HINSTANCE)GetWindowLongPtrA(owner, GWLP_HINSTANCE);
    HWND w = CreateWindowA(kListClass, "一覧", WS_OVERLAPPEDWINDOW, 440, 80, 360, 240, nullptr, nullptr,
                           inst, nullptr);
    ShowWindow(w, SW_SHOW);
}

void onKeyDown(HWND hwnd, WPARAM vk) {
    if (vk == 'A') {
        writeFile("selftest_out.txt", "A");
    } else if (vk == 'C') {
        writeFile("selftest_args.txt", argumentsPart());
    } else if (vk == 'I') {
        MessageBoxA(hwnd, "お知らせ", "ZEP", MB_OK | MB_ICONINFORMATION);
    } else if (vk == 'L') {
        openListWindow(hwnd);
    } else {
        setTitlef(hwnd, "keydown %d", (int)vk, 0);
    }
}

LRESULT CALLBACK wndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int x = (short)LOWORD(lp), y = (short)HIWORD(lp);
    switch (msg) {
    case WM_PAINT: paint(hwnd); return 0;
    case WM_LBUTTONDOWN:
        g_dots.push_back(POINT{x, y});
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_RBUTTONUP:
        MessageBoxA(hwnd, "一行目\r\n二行目", "ZEP Error", MB_OK | MB_ICONEXCLAMATION);
        return 0;
    case WM_LBUTTONDBLCLK: setTitlef(hwnd, "dblclick %d %d", x, y); return 0;
    case WM_MBUTTONDOWN: setTitlef(hwnd, "mdown %d %d %d", x, y, (int)wp); return 0;
    case WM_MBUTTONUP: setTitlef(hwnd, "mup %d %d", x, y); return 0;
    case WM_MOUSEMOVE: setTitlef(hwnd, "move %d %d", x, y); return 0;
    case WM_KEYDOWN: onKeyDown(hwnd, wp); return 0;
    case WM_KEYUP:
        if (wp != 'A' && wp != 'C' && wp != 'I' && wp != 'L') setTitlef(hwnd, "keyup %d", (int)wp, 0);
        return 0;
    case WM_CHAR: setTitlef(hwnd, "char %d", (int)wp, 0); return 0;
    case WM_HSCROLL: setTitlef(hwnd, "hscroll %d %d", LOWORD(wp), HIWORD(wp)); return 0;
    case WM_VSCROLL: setTitlef(hwnd, "vscroll %d %d", LOWORD(wp), HIWORD(wp)); return 0;
    case WM_DESTROY: PostQuitMessage(7); return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int show) {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = wndProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSA lc = {};
    lc.lpfnWndProc = listWindowProc;
    lc.hInstance = inst;
    lc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    lc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    lc.lpszClassName = kListClass;
    RegisterClassA(&lc);
    lc.lpfnWndProc = panelProc;
    lc.lpszClassName = kPanelClass;
    RegisterClassA(&lc);
    HWND hwnd = CreateWindowA(kClass, kTitle, WS_OVERLAPPEDWINDOW, 100, 80, 320, 240,
                              nullptr, nullptr, inst, nullptr);
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return (int)m.wParam;
}
