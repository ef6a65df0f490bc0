// The reference window: a search box along the top, the tree of the
// contents at the left and the page at the right, in the platform's rich
// text control, whose links lead on. One window at a time, owned by the
// top window of the one that first asked for it (the editor).
#include "ide/help_window_win32.h"

#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "ide/help_window.h"
#include "ide/tool_window_win32.h"
#include "resources/resource_ids.h"

namespace zep {

namespace {

constexpr char kClassName[] = "ZEPHELP";
constexpr int kSearchLabelId = 2300, kSearchId = 2301, kTreeId = 2302, kPageId = 2303;
constexpr int kStripHeight = 30, kTreeWidth = 220;

struct HelpWindow {
  HWND window = nullptr, label = nullptr, search = nullptr, tree = nullptr, page = nullptr;
  std::vector<HelpNode> nodes;
  std::vector<HTREEITEM> items;  // the tree's item of each node
  std::vector<PageLink> links;   // of the page shown
  bool quiet = false;            // the search box is being set, not typed in
  bool searched = false;         // the page shown is a search's
  WNDPROC search_procedure = nullptr;
} help;

// The page, its links marked as links, scrolled to its top.
void ShowPage(const std::string& target) {
  Page page = HelpPage(target);
  std::string rtf = PageRtf(page, HelpPictureRtf);
  SETTEXTEX how = {ST_DEFAULT, CP_ACP};
  SendMessageA(help.page, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(rtf.c_str()));
  help.links = PageLinks(page);
  std::string query;
  help.searched = TargetOfKind(target, "search:", &query);
  CHARFORMAT2A link = {};
  link.cbSize = sizeof link;
  link.dwMask = CFM_LINK;
  link.dwEffects = CFE_LINK;
  for (const PageLink& l : help.links) {
    SendMessageA(help.page, EM_SETSEL, l.from, l.to);
    SendMessageA(help.page, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&link));
  }
  SendMessageA(help.page, EM_SETSEL, 0, 0);
  SendMessageA(help.page, WM_VSCROLL, SB_TOP, 0);
  SetWindowTextA(help.window, (std::string(kHelpWindowTitle) + " - " + page.title).c_str());
}

void FillTree() {
  help.nodes = HelpTree();
  help.items.assign(help.nodes.size(), nullptr);
  for (size_t i = 0; i < help.nodes.size(); ++i) {
    TVINSERTSTRUCTA insert = {};
    int parent = help.nodes[i].parent;
    insert.hParent = parent >= 0 ? help.items[parent] : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(help.nodes[i].label.c_str());
    insert.item.lParam = static_cast<LPARAM>(i);
    help.items[i] = reinterpret_cast<HTREEITEM>(
        SendMessageA(help.tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  }
}

void SetSearchText(const std::string& text) {
  help.quiet = true;
  SetWindowTextA(help.search, text.c_str());
  help.quiet = false;
}

// A page of the tree is shown by selecting its node (which shows it); any
// other page directly.
void Navigate(const std::string& target) {
  std::string query;
  if (TargetOfKind(target, "search:", &query)) {
    SetSearchText(query);
    ShowPage(query.empty() ? "contents" : target);
    SetFocus(help.search);
    SendMessageA(help.search, EM_SETSEL, 0, -1);
    return;
  }
  int node = HelpNodeOf(help.nodes, target);
  if (node >= 0) {
    HTREEITEM item = help.items[node];
    if (item == reinterpret_cast<HTREEITEM>(SendMessageA(help.tree, TVM_GETNEXTITEM, TVGN_CARET, 0))) {
      ShowPage(target);
    } else {
      SendMessageA(help.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }
    SendMessageA(help.tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  } else {
    ShowPage(target);
  }
}

// Enter in the search box opens the first entry found. A wide procedure,
// so that typed characters reach the box as they were typed.
LRESULT CALLBACK SearchProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR && wParam == '\r') {
    if (help.searched && !help.links.empty()) Navigate(help.links.front().target);
    return 0;
  }
  return CallWindowProcW(help.search_procedure, hwnd, message, wParam, lParam);
}


BOOL OnCreate(HWND hwnd, LPCREATESTRUCT) {
  help.window = hwnd;
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  help.label = ToolChild(hwnd, "STATIC", kHelpSearchLabel, SS_RIGHT, 0, kSearchLabelId);
  help.search = ToolChild(hwnd, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kSearchId);
  help.tree = ToolChild(hwnd, WC_TREEVIEWA, "",
                    TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP,
                    WS_EX_CLIENTEDGE, kTreeId);
  help.page = ToolChild(hwnd, "RICHEDIT50W", "", ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE, kPageId);
  if (help.search == nullptr || help.tree == nullptr || help.page == nullptr) return FALSE;
  for (HWND child : {help.label, help.search, help.tree}) SendMessageA(child, WM_SETFONT, (WPARAM)font, 0);
  help.search_procedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(help.search, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SearchProcedure)));
  SendMessageA(help.page, EM_SETEVENTMASK, 0, ENM_LINK);
  SendMessageA(help.page, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(8, 8));
  FillTree();
  return TRUE;
}

void OnSize(HWND, UINT, int width, int height) {
  MoveWindow(help.label, 4, 8, 44, 18, TRUE);
  MoveWindow(help.search, 52, 4, kTreeWidth - 52 + 160, 22, TRUE);
  MoveWindow(help.tree, 0, kStripHeight, kTreeWidth, height - kStripHeight, TRUE);
  MoveWindow(help.page, kTreeWidth, kStripHeight, width - kTreeWidth, height - kStripHeight, TRUE);
}

void OnSearchChanged() {
  if (help.quiet) return;
  std::string text = ToolText(help.search);
  ShowPage(text.empty() ? "contents" : "search:" + text);
}

void OnCommand(HWND, int id, HWND, UINT code) {
  if (id == kSearchId && code == EN_CHANGE) OnSearchChanged();
}

void OnLink(const ENLINK& link) {
  if (link.msg != WM_LBUTTONUP) return;
  for (const PageLink& l : help.links) {
    if (link.chrg.cpMin >= l.to || link.chrg.cpMax <= l.from) continue;
    std::string target = l.target;  // the page may change under it
    if (!ActOnHelpLink(help.window, target)) Navigate(target);
    return;
  }
}

LRESULT OnNotify(HWND, int id, NMHDR* header) {
  if (id == kTreeId && header->code == TVN_SELCHANGEDA) {
    size_t node = static_cast<size_t>(reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.lParam);
    if (node < help.nodes.size()) ShowPage(help.nodes[node].target);
  } else if (id == kPageId && header->code == EN_LINK) {
    OnLink(*reinterpret_cast<ENLINK*>(header));
  }
  return 0;
}

void OnDestroy(HWND) { help = HelpWindow(); }

LRESULT CALLBACK HelpWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(hwnd, WM_CREATE, OnCreate);
    HANDLE_MSG(hwnd, WM_SIZE, OnSize);
    HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
    HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    case WM_NOTIFY: return OnNotify(hwnd, static_cast<int>(wParam), reinterpret_cast<NMHDR*>(lParam));
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

bool RegisterHelpClass(HINSTANCE instance) {
  LoadLibraryA("msftedit.dll");
  return RegisterToolWindowClass(instance, kClassName, HelpWindowProc, ICC_TREEVIEW_CLASSES);
}

}  // namespace

bool ShowHelpWindow(WindowRef owner, const std::string& target) {
  if (help.window == nullptr) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterHelpClass(instance)) return false;
    // Owned by the top window (an assist dialog's owner), so that it
    // outlives the dialog that asked for it.
    HWND top = owner != nullptr ? GetAncestor(static_cast<HWND>(owner), GA_ROOTOWNER) : nullptr;
    CreateWindowExA(0, kClassName, kHelpWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 780, 560, top,
                    nullptr, instance, nullptr);
    if (help.window == nullptr) return false;
    ShowWindow(help.window, SW_SHOWNORMAL);
  }
  if (IsIconic(help.window)) ShowWindow(help.window, SW_RESTORE);
  SetForegroundWindow(help.window);
  Navigate(target);
  return true;
}

}  // namespace zep
