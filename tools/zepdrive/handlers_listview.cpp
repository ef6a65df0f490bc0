// Directives on list-view controls (SysListView32 in report view) of the
// current window, named by their control id among its descendants: the
// number of rows, a cell's text, a row found by the text of one of its
// cells, selecting a row and real clicks in a cell. The messages that carry
// pointers get their structures and text buffers in the program's process
// (remote.h); cell texts are read in UTF-16 and converted to Shift-JIS.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "handlers.h"
#include "input.h"
#include "remote.h"
#include "text.h"

namespace zd {
namespace {

const UINT kSendTimeoutMs = 2000;
// A cell's text buffer starts at this many characters and grows fourfold
// while the text fills it, up to the largest.
const size_t kFirstTextChars = 256;
const size_t kMostTextChars = 65536;

// A cross-process message that gives up when the program hangs (-1).
LRESULT sendTo(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) return -1;
    return (LRESULT)result;
}

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK findId(HWND child, LPARAM lp) {
    IdSearch* s = reinterpret_cast<IdSearch*>(lp);
    if (GetDlgCtrlID(child) != s->id) return TRUE;
    s->found = child;
    return FALSE;
}

// The list view with the directive's control id among the current window's
// descendants (a direct child first); null, with what is there instead in
// *seen, when there is none.
HWND listView(const Context& c, const Directive& d, std::string* seen) {
    int id = (int)d.args[0].num;
    HWND h = GetDlgItem(c.current, id);
    if (h == nullptr) {
        IdSearch s{id, nullptr};
        EnumChildWindows(c.current, findId, (LPARAM)&s);
        h = s.found;
    }
    if (h == nullptr) {
        *seen = "no control " + std::to_string(id);
        return nullptr;
    }
    char cls[64] = "";
    GetClassNameA(h, cls, sizeof cls);
    if (lstrcmpiA(cls, WC_LISTVIEWA) != 0) {
        *seen = std::string("a ") + cls + " " + std::to_string(id);
        return nullptr;
    }
    return h;
}

std::string listViewText(const Directive& d) { return "a list view " + std::to_string(d.args[0].num); }

long long rowCount(HWND lv) { return sendTo(lv, LVM_GETITEMCOUNT, 0, 0); }

// The columns of the report view's header; a list without a header shows
// one.
long long columnCount(HWND lv) {
    HWND header = (HWND)sendTo(lv, LVM_GETHEADER, 0, 0);
    if (header == nullptr || header == (HWND)-1) return 1;
    return sendTo(header, HDM_GETITEMCOUNT, 0, 0);
}

std::string countText(long long n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

// Why the list has no column col, or "" when it has one.
std::string missingColumn(HWND lv, long long col) {
    long long cols = columnCount(lv);
    if (col >= 0 && col < cols) return "";
    return "no column " + std::to_string(col) + " (" + countText(cols, "column") + ")";
}

// Why the list has no cell (row, col), or "" when it has one.
std::string missingCell(HWND lv, long long row, long long col) {
    long long rows = rowCount(lv);
    if (row < 0 || row >= rows) return "no row " + std::to_string(row) + " (" + countText(rows, "row") + ")";
    return missingColumn(lv, col);
}

// Reads cells of one list view through an LVITEMW and a text buffer in the
// program's process, kept for all the cells of one look.
class CellReader {
public:
    CellReader(HANDLE process, HWND lv) : process_(process), lv_(lv) {}

    // The text of cell (row, col) as Shift-JIS; false when it cannot be read
    // (no memory in the program, a hung program).
    bool read(int row, int col, std::string& out) {
        for (size_t chars = kFirstTextChars;; chars *= 4) {
            if (!reserve(chars)) return false;
            LVITEMW item = {};
            item.iSubItem = col;
            item.pszText = static_cast<LPWSTR>(block_->at(sizeof(LVITEMW)));
            item.cchTextMax = (int)chars;
            if (!block_->write(0, &item, sizeof item)) return false;
            LRESULT len = sendTo(lv_, LVM_GETITEMTEXTW, (WPARAM)row, (LPARAM)block_->at(0));
            if (len < 0) return false;
            if ((size_t)len + 1 >= chars && chars < kMostTextChars) continue;
            // The control may point pszText at a text of its own instead of
            // filling the buffer, so the text is read where it points.
            LVITEMW back;
            if (!block_->read(0, &back, sizeof back)) return false;
            std::wstring text((size_t)len, L'\0');
            if (len > 0 && !readRemote(process_, back.pszText, &text[0], (size_t)len * sizeof(wchar_t))) {
                return false;
            }
            out = utf16ToSjis(text);
            return true;
        }
    }

private:
    bool reserve(size_t chars) {
        size_t bytes = sizeof(LVITEMW) + chars * sizeof(wchar_t);
        if (block_ == nullptr || block_->size() < bytes) block_.reset(new RemoteBlock(process_, bytes));
        return block_->ok();
    }

    HANDLE process_;
    HWND lv_;
    std::unique_ptr<RemoteBlock> block_;
};

const char kUnreadable[] = "a cell the driver cannot read";
const char kNoMemory[] = "no memory for the message in the program";

// Polls look(lv, seen) on the named list view until it says Done.
template <class Look>
Outcome waitForList(Context& c, const Directive& d, const std::string& expected, Look look) {
    std::string seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        HWND lv = listView(c, d, &seen);
        if (lv == nullptr) return Poll::Wait;
        return look(lv, seen);
    });
    return ok ? pass() : fail(expected, seen);
}

// The named list view with the cell (row, col), or null with the failure
// in *o, which expects what.
HWND cellOrFail(Context& c, const Directive& d, long long row, long long col, const std::string& what,
                Outcome* o) {
    std::string seen;
    HWND lv = listView(c, d, &seen);
    if (lv == nullptr) {
        *o = fail(listViewText(d), seen);
        return nullptr;
    }
    std::string missing = missingCell(lv, row, col);
    if (!missing.empty()) {
        *o = fail(what, missing);
        return nullptr;
    }
    return lv;
}

// The centre of cell (row, col) in the list view's client coordinates,
// scrolled into view first; false, with why in *why, when it is not on
// show.
bool cellCentre(Context& c, HWND lv, int row, int col, POINT* centre, std::string* why) {
    sendTo(lv, LVM_ENSUREVISIBLE, (WPARAM)row, FALSE);
    RemoteBlock block(c.proc.hProcess, sizeof(RECT));
    // Column 0's label, without the icon; a later column's whole cell.
    RECT r = {col == 0 ? LVIR_LABEL : LVIR_BOUNDS, col, 0, 0};
    if (!block.write(0, &r, sizeof r) || sendTo(lv, LVM_GETSUBITEMRECT, (WPARAM)row, (LPARAM)block.at(0)) <= 0 ||
        !block.read(0, &r, sizeof r)) {
        *why = "no rectangle from the list view";
        return false;
    }
    centre->x = (r.left + r.right) / 2;
    centre->y = (r.top + r.bottom) / 2;
    RECT client;
    GetClientRect(lv, &client);
    RECT header = {};
    HWND h = (HWND)sendTo(lv, LVM_GETHEADER, 0, 0);
    if (h != nullptr && h != (HWND)-1 && IsWindowVisible(h)) {
        GetWindowRect(h, &header);
        MapWindowPoints(nullptr, lv, (POINT*)&header, 2);
    }
    if (!PtInRect(&client, *centre) || PtInRect(&header, *centre)) {
        *why = "its centre " + std::to_string(centre->x) + "," + std::to_string(centre->y) +
               " hidden in the list view";
        return false;
    }
    return true;
}

// A click, or a double click, posted to the list view in the middle of
// cell (row, col), as the mouse would.
Outcome clickCell(Context& c, const Directive& d, bool twice) {
    long long row = d.args[1].num, col = d.args[2].num;
    Outcome o;
    std::string cell = "row " + std::to_string(row) + " column " + std::to_string(col);
    HWND lv = cellOrFail(c, d, row, col, cell, &o);
    if (lv == nullptr) return o;
    POINT p;
    std::string why;
    if (!cellCentre(c, lv, (int)row, (int)col, &p, &why)) {
        return fail(cell + " on show", why);
    }
    postMouseMove(lv, p.x, p.y);
    postButton(lv, Button::Left, Press::Down, p.x, p.y);
    postButton(lv, Button::Left, Press::Up, p.x, p.y);
    if (twice) {
        postButton(lv, Button::Left, Press::DoubleClick, p.x, p.y);
        postButton(lv, Button::Left, Press::Up, p.x, p.y);
    }
    return pass();
}

}  // namespace

// lvcount ID N: polls until the list view has N rows.
Outcome runLvCount(Context& c, const Directive& d) {
    return waitForList(c, d, countText(d.args[1].num, "row"), [&](HWND lv, std::string& seen) {
        long long n = rowCount(lv);
        seen = countText(n, "row");
        return n == d.args[1].num ? Poll::Done : Poll::Wait;
    });
}

// lvtext ID ROW COL "TEXT": polls until the cell shows TEXT.
Outcome runLvText(Context& c, const Directive& d) {
    long long row = d.args[1].num, col = d.args[2].num;
    const std::string& wanted = d.args[3].text;
    return waitForList(c, d, quoted(wanted), [&](HWND lv, std::string& seen) {
        seen = missingCell(lv, row, col);
        if (!seen.empty()) return Poll::Wait;
        std::string text;
        if (!CellReader(c.proc.hProcess, lv).read((int)row, (int)col, text)) {
            seen = kUnreadable;
            return Poll::Wait;
        }
        seen = quoted(text);
        return text == wanted ? Poll::Done : Poll::Wait;
    });
}

// lvfind ID COL "TEXT" ROWCOL "TEXT2": polls until a row showing TEXT in
// column COL shows TEXT2 in column ROWCOL.
Outcome runLvFind(Context& c, const Directive& d) {
    long long col = d.args[1].num, rowCol = d.args[3].num;
    const std::string &key = d.args[2].text, &wanted = d.args[4].text;
    std::string expected = "a row with " + quoted(key) + " in column " + std::to_string(col) + " and " +
                           quoted(wanted) + " in column " + std::to_string(rowCol);
    return waitForList(c, d, expected, [&](HWND lv, std::string& seen) {
        long long rows = rowCount(lv);
        seen = missingColumn(lv, col > rowCol ? col : rowCol);
        if (!seen.empty()) return Poll::Wait;
        CellReader cells(c.proc.hProcess, lv);
        for (int row = 0; row < rows; ++row) {
            std::string text;
            if (!cells.read(row, (int)col, text)) return (seen = kUnreadable, Poll::Wait);
            if (text != key) continue;
            if (!cells.read(row, (int)rowCol, text)) return (seen = kUnreadable, Poll::Wait);
            if (text == wanted) return Poll::Done;
            seen += (seen.empty() ? "row " : ", row ") + std::to_string(row) + " with " + quoted(text);
        }
        if (seen.empty()) seen = "no row with " + quoted(key) + " in column " + std::to_string(col);
        return Poll::Wait;
    });
}

// lvselect ID ROW: selects and focuses the row (LVM_SETITEMSTATE); the
// control tells its parent (LVN_ITEMCHANGED) before the message returns, so
// the parent has handled that when the driver goes on.
Outcome runLvSelect(Context& c, const Directive& d) {
    long long row = d.args[1].num;
    Outcome o;
    HWND lv = cellOrFail(c, d, row, 0, "row " + std::to_string(row), &o);
    if (lv == nullptr) return o;
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    RemoteBlock block(c.proc.hProcess, sizeof item);
    if (!block.write(0, &item, sizeof item)) return fail("row " + std::to_string(row) + " selected", kNoMemory);
    if (sendTo(lv, LVM_SETITEMSTATE, (WPARAM)row, (LPARAM)block.at(0)) <= 0) {
        return fail("row " + std::to_string(row) + " selected", "the list view refused it");
    }
    return pass();
}

// lvclick ID ROW COL, lvdblclick ID ROW COL: a real click or double click
// in the middle of the cell.
Outcome runLvClick(Context& c, const Directive& d) { return clickCell(c, d, false); }
Outcome runLvDoubleClick(Context& c, const Directive& d) { return clickCell(c, d, true); }

}  // namespace zd
