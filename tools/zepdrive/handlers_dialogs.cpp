// Directives on the common file dialogs: wait for one by its title, then
// cancel it or answer it with a file name.
#include "handlers.h"
#include "text.h"
#include "winfind.h"

namespace zd {
namespace {

// The file-name box of the dialog: the combo box of the Explorer-style
// dialog (id 1148), or the edit field of the old style (id 1152).
HWND fileNameBox(HWND dialog) {
    HWND box = GetDlgItem(dialog, 1148);
    return box != nullptr ? box : GetDlgItem(dialog, 1152);
}

// Waits until the dialog has gone.
Outcome waitGone(Context& c) {
    bool ok = pollFor(c.timeoutMs, [&] { return IsWindow(c.dialog) ? Poll::Wait : Poll::Done; });
    return ok ? pass() : fail("the dialog closed", "it is still open");
}

}  // namespace

Outcome runDialog(Context& c, const Directive& d) {
    std::vector<WindowInfo> ws;
    bool ok = pollFor(c.timeoutMs, [&] {
        ws = visibleWindows(c.proc.dwProcessId);
        for (const WindowInfo& w : ws) {
            if (w.cls == "#32770" && w.title == d.args[0].text) {
                c.dialog = w.hwnd;
                return Poll::Done;
            }
        }
        return processRunning(c) ? Poll::Wait : Poll::Stop;
    });
    return ok ? pass() : fail("a dialog " + quoted(d.args[0].text), "windows: " + describe(ws));
}

Outcome runDialogCancel(Context& c, const Directive&) {
    if (!IsWindow(c.dialog)) return fail("an open dialog", "none");
    PostMessageA(c.dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return waitGone(c);
}

Outcome runDialogFile(Context& c, const Directive& d) {
    if (!IsWindow(c.dialog)) return fail("an open dialog", "none");
    HWND box = fileNameBox(c.dialog);
    if (box == nullptr) return fail("a file-name box", "none");
    // A relative name is typed as a full path from the script's folder: the
    // dialog opens in the folder a dialog of the program last used, which
    // may be another test's.
    std::string name = scriptRelative(c, d.args[0].text);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(box, WM_SETTEXT, 0, (LPARAM)name.c_str(), SMTO_ABORTIFHUNG, 2000,
                        &result);
    PostMessageA(c.dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 (LPARAM)GetDlgItem(c.dialog, IDOK));
    return waitGone(c);
}

}  // namespace zd
