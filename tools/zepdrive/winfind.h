// Finding the started program's windows and message boxes, and reading
// their text. Everything here works on windows of another process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zd {

struct WindowInfo {
    HWND hwnd;
    std::string cls;
    std::string title;
};

// Visible top-level windows of the process, in Z order.
std::vector<WindowInfo> visibleWindows(DWORD pid);

// "CLASS "title", ..." for messages; "none" if the list is empty.
std::string describe(const std::vector<WindowInfo>& ws);

std::string windowTitle(HWND hwnd);

// The visible child of parent under client point (x, y); nullptr if none
// came within a few seconds (a control may hide itself while it redraws).
HWND childUnder(HWND parent, int x, int y);

// Text of a control of another process (WM_GETTEXT, which GetWindowText
// does not send across processes for child windows).
std::string controlText(HWND control);

// Message boxes are dialogs of class #32770.
bool isMessageBox(const WindowInfo& w);

// The static control holding a message box's text (id 0xFFFF).
HWND boxTextControl(HWND box);

// The static control showing a message box's icon, or null. Windows gives
// it id 0x14 and Wine id 0x440, so it is found by its SS_ICON style.
HWND boxIconControl(HWND box);

// Presses the box's default button the way Enter would.
void pressDefaultButton(HWND box);

}  // namespace zd
