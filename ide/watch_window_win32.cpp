#include "ide/watch_window_win32.h"

#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ide/debugger.h"
#include "ide/editor.h"
#include "ide/editor_system.h"
#include "ide/editor_texts.h"
#include "ide/tool_window_win32.h"
#include "resources/resource_ids.h"

namespace zep {

namespace {

constexpr char kClassName[] = "ZEPWATCH";
constexpr UINT_PTR kTimerId = 1;
constexpr int kEventsHeight = 120;
constexpr int kRowHeight = 24;
constexpr COLORREF kChangedBack = RGB(255, 236, 140);
// An array shows at most this many columns and rows in the grid.
constexpr size_t kGridMost = 100;

using Texts = std::vector<std::string>;

// A list view and the texts it shows, row by row, with each row's number
// in the debugger's list (lParam).
struct ShownList {
  HWND list = nullptr;
  std::vector<Texts> rows;
  std::vector<LPARAM> keys;
  int columns = 0;
};

struct WatchWindow {
  HWND window = nullptr;
  ShownList events, variables, grid;
  HWND filter = nullptr, cell = nullptr, value = nullptr, set = nullptr, filter_label = nullptr;
  std::string filter_text;
  size_t grid_row = SIZE_MAX;  // the array the grid shows (debugger.watch)
  size_t chosen_row = SIZE_MAX, chosen_cell = 0;  // what the value box changes
  bool quiet = false;          // the window changes its own controls
  std::vector<bool> lit;       // each row of the variables' list as last drawn: standing out
};

WatchWindow watch;


void AddColumn(HWND list, int index, const char* title, int width) {
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(title);
  column.cx = width;
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, index, (LPARAM)&column);
}

void SetColumns(ShownList* shown, const std::vector<std::pair<std::string, int>>& columns) {
  while (shown->columns > 0) SendMessageA(shown->list, LVM_DELETECOLUMN, --shown->columns, 0);
  SendMessageA(shown->list, LVM_DELETEALLITEMS, 0, 0);
  shown->rows.clear();
  shown->keys.clear();
  for (const auto& [title, width] : columns) AddColumn(shown->list, shown->columns++, title.c_str(), width);
}

void SetCell(HWND list, int row, int column, const std::string& text) {
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(list, LVM_SETITEMTEXTA, row, (LPARAM)&item);
}

// The list shows rows (each with its key) with as few changes as it needs,
// so that its selection and scroll stay.
void ShowRows(ShownList* shown, const std::vector<Texts>& rows, const std::vector<LPARAM>& keys) {
  HWND list = shown->list;
  size_t have = shown->rows.size();
  while (have > rows.size()) SendMessageA(list, LVM_DELETEITEM, --have, 0);
  shown->rows.resize(have);
  shown->keys.resize(have);
  for (size_t r = 0; r < rows.size(); ++r) {
    if (r >= have) {
      LVITEMA item = {};
      item.mask = LVIF_TEXT | LVIF_PARAM;
      item.iItem = static_cast<int>(r);
      item.pszText = const_cast<char*>(rows[r].empty() ? "" : rows[r][0].c_str());
      item.lParam = keys[r];
      SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
      shown->rows.push_back(Texts(1, rows[r].empty() ? "" : rows[r][0]));
      shown->keys.push_back(keys[r]);
    } else if (shown->keys[r] != keys[r]) {
      LVITEMA item = {};
      item.mask = LVIF_PARAM;
      item.iItem = static_cast<int>(r);
      item.lParam = keys[r];
      SendMessageA(list, LVM_SETITEMA, 0, (LPARAM)&item);
      shown->keys[r] = keys[r];
    }
    Texts& now = shown->rows[r];
    now.resize(rows[r].size());
    for (size_t c = 0; c < rows[r].size(); ++c) {
      if (now[c] == rows[r][c]) continue;
      SetCell(list, static_cast<int>(r), static_cast<int>(c), rows[r][c]);
      now[c] = rows[r][c];
    }
  }
}

void ShowEvents() {
  std::vector<Texts> rows;
  std::vector<LPARAM> keys;
  for (size_t i = 0; i < debugger.events.size(); ++i) {
    const EventRow& e = debugger.events[i];
    rows.push_back({e.name, std::to_string(e.count), EventTimeText(e.last_ms), e.running > 0 ? kWatchRunning : ""});
    keys.push_back(static_cast<LPARAM>(i));
  }
  ShowRows(&watch.events, rows, keys);
}

std::string ArrayShape(const WatchRow& row) {
  return "配列 " + std::to_string(row.rows) + " x " + std::to_string(row.cols);
}

void ShowVariables() {
  std::vector<Texts> rows;
  std::vector<LPARAM> keys;
  for (size_t i = 0; i < debugger.watch.size(); ++i) {
    const WatchRow& row = debugger.watch[i];
    if (row.name.empty() || !WatchRowShown(row, watch.filter_text)) continue;
    bool plain = row.rows * row.cols == 1;
    rows.push_back({row.name, plain ? WatchValueText(row.cells[0]) : ArrayShape(row)});
    keys.push_back(static_cast<LPARAM>(i));
  }
  ShowRows(&watch.variables, rows, keys);
}

// The array of the grid: a row a line, a column each.
void ShowGrid() {
  if (watch.grid_row >= debugger.watch.size()) {
    if (watch.grid.columns != 0) SetColumns(&watch.grid, {});
    return;
  }
  const WatchRow& array = debugger.watch[watch.grid_row];
  size_t cols = std::min<size_t>(array.cols, kGridMost), rows_shown = std::min<size_t>(array.rows, kGridMost);
  if (watch.grid.columns != static_cast<int>(cols) + 1) {
    std::vector<std::pair<std::string, int>> columns = {{array.name, 56}};
    for (size_t c = 0; c < cols; ++c) columns.push_back({std::to_string(c), 56});
    SetColumns(&watch.grid, columns);
  }
  std::vector<Texts> rows;
  std::vector<LPARAM> keys;
  for (size_t r = 0; r < rows_shown; ++r) {
    Texts texts = {std::to_string(r)};
    for (size_t c = 0; c < cols; ++c) texts.push_back(WatchValueText(array.cells[r * array.cols + c]));
    rows.push_back(texts);
    keys.push_back(static_cast<LPARAM>(r));
  }
  ShowRows(&watch.grid, rows, keys);
}

// The value box: what it changes, and whether it can (only while paused).
void ShowValueBox() {
  std::string label;
  if (watch.chosen_row < debugger.watch.size()) {
    const WatchRow& row = debugger.watch[watch.chosen_row];
    label = row.name;
    if (row.rows * row.cols > 1) {
      label += "(" + std::to_string(watch.chosen_cell / row.cols) + "," +
               std::to_string(watch.chosen_cell % row.cols) + ")";
    }
    label += ":";
  }
  SetWindowTextA(watch.cell, label.c_str());
  bool can = debugger.paused && watch.chosen_row < debugger.watch.size();
  EnableWindow(watch.value, can);
  EnableWindow(watch.set, can);
}

void Choose(size_t row, size_t cell) {
  watch.chosen_row = row;
  watch.chosen_cell = cell;
  if (row < debugger.watch.size() && cell < debugger.watch[row].cells.size()) {
    watch.quiet = true;
    SetWindowTextA(watch.value, WatchValueText(debugger.watch[row].cells[cell]).c_str());
    watch.quiet = false;
  }
  ShowValueBox();
}

void Layout(int width, int height) {
  int y = 0;
  MoveWindow(watch.events.list, 0, y, width, kEventsHeight, TRUE);
  y += kEventsHeight + 4;
  MoveWindow(watch.filter_label, 4, y + 3, 96, 18, TRUE);
  MoveWindow(watch.filter, 104, y, width - 108, 22, TRUE);
  y += 26;
  int lists = height - y - kRowHeight - 8;
  MoveWindow(watch.variables.list, 0, y, width, lists / 2, TRUE);
  MoveWindow(watch.grid.list, 0, y + lists / 2 + 2, width, lists - lists / 2 - 2, TRUE);
  y = height - kRowHeight - 2;
  MoveWindow(watch.cell, 4, y + 3, 110, 18, TRUE);
  MoveWindow(watch.value, 118, y, width - 118 - 104, 22, TRUE);
  MoveWindow(watch.set, width - 100, y, 96, 24, TRUE);
}

ShownList MakeList(HWND hwnd, int id, const std::vector<std::pair<std::string, int>>& columns) {
  ShownList shown;
  shown.list = ToolChild(hwnd, WC_LISTVIEWA, "", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
                     WS_EX_CLIENTEDGE, id);
  if (shown.list == nullptr) return shown;
  SendMessageA(shown.list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  SetColumns(&shown, columns);
  return shown;
}

BOOL OnCreate(HWND hwnd, LPCREATESTRUCT) {
  watch.window = hwnd;
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  watch.events = MakeList(hwnd, kWatchEventsId,
                          {{kEventColumns[0], 120}, {kEventColumns[1], 60}, {kEventColumns[2], 80},
                           {kEventColumns[3], 60}});
  watch.filter_label = ToolChild(hwnd, "STATIC", kWatchFilterLabel, SS_RIGHT, 0, -1);
  watch.filter = ToolChild(hwnd, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kWatchFilterId);
  watch.variables = MakeList(hwnd, kWatchVariablesId, {{kVariableColumns[0], 130}, {kVariableColumns[1], 190}});
  watch.grid = MakeList(hwnd, kWatchGridId, {});
  watch.cell = ToolChild(hwnd, "STATIC", "", SS_RIGHT, 0, kWatchCellId);
  watch.value = ToolChild(hwnd, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kWatchValueId);
  watch.set = ToolChild(hwnd, "BUTTON", kWatchSetButton, BS_PUSHBUTTON | WS_TABSTOP, 0, kWatchSetId);
  for (HWND child : {watch.events.list, watch.filter, watch.variables.list, watch.grid.list, watch.value,
                     watch.set}) {
    if (child == nullptr) return FALSE;
  }
  for (HWND child : {watch.events.list, watch.filter_label, watch.filter, watch.variables.list, watch.grid.list,
                     watch.cell, watch.value, watch.set}) {
    SendMessageA(child, WM_SETFONT, (WPARAM)font, 0);
  }
  SetTimer(hwnd, kTimerId, static_cast<UINT>(kWatchIntervalMs), nullptr);
  return TRUE;
}

void OnSize(HWND, UINT, int width, int height) { Layout(width, height); }

void OnSetValue() {
  if (!SetWatchValue(watch.chosen_row, watch.chosen_cell, ToolText(watch.value))) MessageBeep(MB_ICONEXCLAMATION);
}

void OnCommand(HWND, int id, HWND, UINT code) {
  if (watch.quiet) return;
  if (id == kWatchFilterId && code == EN_CHANGE) {
    watch.filter_text = ToolText(watch.filter);
    ShowVariables();
  } else if (id == kWatchSetId && code == BN_CLICKED) {
    OnSetValue();
  }
}

// The variables' list: the row chosen shows its array in the grid, or
// becomes what the value box changes.
void OnVariableChosen(const NMLISTVIEW& change) {
  if ((change.uNewState & LVIS_SELECTED) == 0 || (change.uOldState & LVIS_SELECTED) != 0) return;
  size_t row = static_cast<size_t>(change.lParam);
  if (row >= debugger.watch.size()) return;
  if (debugger.watch[row].rows * debugger.watch[row].cols > 1) {
    watch.grid_row = row;
    ShowGrid();
  }
  Choose(row, 0);
}

// A click on a cell of the grid chooses that element.
void OnGridClick(const NMITEMACTIVATE& click) {
  if (click.iItem < 0 || click.iSubItem < 1 || watch.grid_row >= debugger.watch.size()) return;
  const WatchRow& array = debugger.watch[watch.grid_row];
  size_t cell = static_cast<size_t>(click.iItem) * array.cols + static_cast<size_t>(click.iSubItem - 1);
  if (cell < array.cells.size()) Choose(watch.grid_row, cell);
}

// Whether the variable of row (debugger.watch) changed a moment ago.
bool Changed(size_t row, int64_t now) {
  return row < debugger.watch.size() && debugger.watch[row].changed_ms >= 0 &&
         now - debugger.watch[row].changed_ms < kChangedShowMs;
}

// A value that changed a moment ago stands out; the list remembers which
// rows it drew so (watch.lit).
LRESULT OnVariableDraw(NMLVCUSTOMDRAW* draw) {
  if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  bool changed = Changed(static_cast<size_t>(draw->nmcd.lItemlParam), editor_system->Milliseconds());
  size_t item = static_cast<size_t>(draw->nmcd.dwItemSpec);
  if (item >= watch.lit.size()) watch.lit.resize(item + 1, false);
  watch.lit[item] = changed;
  if (changed) draw->clrTextBk = kChangedBack;
  return CDRF_DODEFAULT;
}

LRESULT OnNotify(HWND, int id, NMHDR* header) {
  if (id == kWatchVariablesId && header->code == LVN_ITEMCHANGED) {
    OnVariableChosen(*reinterpret_cast<NMLISTVIEW*>(header));
  } else if (id == kWatchVariablesId && header->code == NM_CUSTOMDRAW) {
    return OnVariableDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
  } else if (id == kWatchGridId && (header->code == NM_CLICK || header->code == NM_DBLCLK)) {
    OnGridClick(*reinterpret_cast<NMITEMACTIVATE*>(header));
  }
  return 0;
}

// A refresh a section's end left due; then the rows in view whose
// highlight starts (an array's cells changed: its text stays) or ends are
// drawn anew (a row scrolled into view is drawn as it stands then). A row
// whose text changed was drawn anew with it, so a list whose values change
// all the time is not drawn whole ten times a second.
void OnTimer(HWND, UINT) {
  OnWatchTimer();
  int64_t now = editor_system->Milliseconds();
  const std::vector<LPARAM>& keys = watch.variables.keys;
  HWND list = watch.variables.list;
  size_t top = static_cast<size_t>(ListView_GetTopIndex(list));
  size_t end = std::min(keys.size(), top + static_cast<size_t>(ListView_GetCountPerPage(list)) + 1);
  for (size_t r = top; r < end; ++r) {
    bool drawn_changed = r < watch.lit.size() && watch.lit[r];
    if (Changed(static_cast<size_t>(keys[r]), now) != drawn_changed) {
      ListView_RedrawItems(list, static_cast<int>(r), static_cast<int>(r));
    }
  }
}

void OnDestroy(HWND) { watch = WatchWindow(); }

LRESULT CALLBACK WatchWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    HANDLE_MSG(hwnd, WM_CREATE, OnCreate);
    HANDLE_MSG(hwnd, WM_SIZE, OnSize);
    HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
    HANDLE_MSG(hwnd, WM_TIMER, OnTimer);
    HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    case WM_NOTIFY: return OnNotify(hwnd, static_cast<int>(wParam), reinterpret_cast<NMHDR*>(lParam));
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

bool RegisterWatchClass(HINSTANCE instance) {
  return RegisterToolWindowClass(instance, kClassName, WatchWindowProc, ICC_LISTVIEW_CLASSES);
}

}  // namespace

bool OpenWatch(WindowRef owner) {
  if (watch.window == nullptr) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterWatchClass(instance)) return false;
    RECT at = {0, 0, 0, 0};
    if (owner != nullptr) GetWindowRect(static_cast<HWND>(owner), &at);
    CreateWindowExA(0, kClassName, kWatchTitle, WS_OVERLAPPEDWINDOW, at.right > 420 ? at.right - 420 : 0,
                    at.top + 60, 400, 560, static_cast<HWND>(owner), nullptr, instance, nullptr);
    if (watch.window == nullptr) return false;
    ShowWindow(watch.window, SW_SHOWNORMAL);
    RefreshWatch();
  }
  if (IsIconic(watch.window)) ShowWindow(watch.window, SW_RESTORE);
  SetForegroundWindow(watch.window);
  return true;
}

bool WatchOpen() { return watch.window != nullptr; }

void RefreshWatch() {
  if (watch.window == nullptr) return;
  if (watch.grid_row >= debugger.watch.size()) watch.grid_row = SIZE_MAX;
  if (watch.chosen_row >= debugger.watch.size()) watch.chosen_row = SIZE_MAX;
  ShowEvents();
  ShowVariables();
  ShowGrid();
  ShowValueBox();
}

bool IsWatchWindowMessage(HWND hwnd) {
  return watch.window != nullptr && (hwnd == watch.window || IsChild(watch.window, hwnd));
}

}  // namespace zep
