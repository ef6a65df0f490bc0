// Directive handlers. Each gets arguments already checked by the parser
// (see the table in directives.cpp).
#pragma once

#include "context.h"
#include "script.h"

namespace zd {

// handlers_window.cpp
Outcome runWindow(Context&, const Directive&);
Outcome runClose(Context&, const Directive&);
Outcome runResize(Context&, const Directive&);
Outcome runMoveTo(Context&, const Directive&);
Outcome runTitle(Context&, const Directive&);
Outcome runClientSize(Context&, const Directive&);
Outcome runWindowPos(Context&, const Directive&);
Outcome runClientPos(Context&, const Directive&);
Outcome runStyle(Context&, const Directive&);
Outcome runTopmost(Context&, const Directive&);
Outcome runGone(Context&, const Directive&);

// handlers_box.cpp
Outcome runBox(Context&, const Directive&);
Outcome runBoxExclamation(Context&, const Directive&);
Outcome runNoBox(Context&, const Directive&);
Outcome runBoxPress(Context&, const Directive&);
Outcome runBoxOwner(Context&, const Directive&);

// handlers_input.cpp
Outcome runMouseMove(Context&, const Directive&);
Outcome runClick(Context&, const Directive&);
Outcome runDblClick(Context&, const Directive&);
Outcome runDown(Context&, const Directive&);
Outcome runUp(Context&, const Directive&);
Outcome runKey(Context&, const Directive&);
Outcome runKeyDown(Context&, const Directive&);
Outcome runKeyUp(Context&, const Directive&);
Outcome runChar(Context&, const Directive&);
Outcome runHScroll(Context&, const Directive&);
Outcome runVScroll(Context&, const Directive&);

// handlers_controls.cpp
Outcome runCtlClick(Context&, const Directive&);
Outcome runCtlKey(Context&, const Directive&);
Outcome runCtlWheel(Context&, const Directive&);
Outcome runCtlType(Context&, const Directive&);
Outcome runCtlText(Context&, const Directive&);
Outcome runCtlContains(Context&, const Directive&);
Outcome runCtlFile(Context&, const Directive&);

// handlers_buttons.cpp
Outcome runCtlMove(Context&, const Directive&);
Outcome runCtlDown(Context&, const Directive&);
Outcome runCtlUp(Context&, const Directive&);
Outcome runNoWindow(Context&, const Directive&);
Outcome runWindowCount(Context&, const Directive&);

// handlers_dialogs.cpp
Outcome runDialog(Context&, const Directive&);
Outcome runDialogCancel(Context&, const Directive&);
Outcome runDialogFile(Context&, const Directive&);

// handlers_items.cpp
Outcome runItemText(Context&, const Directive&);
Outcome runItemClick(Context&, const Directive&);
Outcome runItemSetText(Context&, const Directive&);
Outcome runItemSelect(Context&, const Directive&);
Outcome runItemChoose(Context&, const Directive&);
Outcome runItemDoubleClick(Context&, const Directive&);
Outcome runItemSelected(Context&, const Directive&);
Outcome runItemCount(Context&, const Directive&);
Outcome runItemCheck(Context&, const Directive&);
Outcome runItemFocus(Context&, const Directive&);
Outcome runItemScroll(Context&, const Directive&);
Outcome runItemScrollPos(Context&, const Directive&);
Outcome runDefButton(Context&, const Directive&);
Outcome runFocusKey(Context&, const Directive&);
Outcome runHasText(Context&, const Directive&);

// handlers_listview.cpp
Outcome runLvCount(Context&, const Directive&);
Outcome runLvText(Context&, const Directive&);
Outcome runLvFind(Context&, const Directive&);
Outcome runLvSelect(Context&, const Directive&);
Outcome runLvClick(Context&, const Directive&);
Outcome runLvDoubleClick(Context&, const Directive&);

// handlers_clipboard.cpp
Outcome runClipboard(Context&, const Directive&);
Outcome runSetClipboard(Context&, const Directive&);

// handlers_menus.cpp
Outcome runAltKey(Context&, const Directive&);
Outcome runRealClick(Context&, const Directive&);
Outcome runMenuOpen(Context&, const Directive&);
bool bringToFront(Context&);
// Waits until no dialog of the current window exists any more, even hidden:
// a dialog's modal loop that has been told to end drops the next message it
// takes, so input posted before it is gone would be lost.
bool awaitNoDialog(Context&);

// handlers_editor.cpp
Outcome runCommand(Context&, const Directive&);
Outcome runTypeUnicode(Context&, const Directive&);
Outcome runCtlSelected(Context&, const Directive&);
Outcome runCtlSelect(Context&, const Directive&);
Outcome runCtlLink(Context&, const Directive&);
Outcome runCtlItems(Context&, const Directive&);
Outcome runCtlSelection(Context&, const Directive&);
Outcome runCtlSetText(Context&, const Directive&);
Outcome runMenuBar(Context&, const Directive&);
Outcome runMenuPopup(Context&, const Directive&);
Outcome runPress(Context&, const Directive&);
Outcome runStatusText(Context&, const Directive&);
Outcome runRegDword(Context&, const Directive&);

// handlers_pixels.cpp
Outcome runPixel(Context&, const Directive&);
Outcome runNotPixel(Context&, const Directive&);
Outcome runRect(Context&, const Directive&);
Outcome runShot(Context&, const Directive&);
Outcome runNotBlank(Context&, const Directive&);
Outcome runHasColour(Context&, const Directive&);

// handlers_process.cpp
Outcome runTimeout(Context&, const Directive&);
Outcome runSleep(Context&, const Directive&);
Outcome runExit(Context&, const Directive&);
Outcome runRunning(Context&, const Directive&);
Outcome runFile(Context&, const Directive&);
Outcome runNoFile(Context&, const Directive&);
Outcome runFileGone(Context&, const Directive&);
Outcome runDelete(Context&, const Directive&);
Outcome runStart(Context&, const Directive&);

// handlers_files.cpp
Outcome runFileHex(Context&, const Directive&);
Outcome runFileHas(Context&, const Directive&);
Outcome runSameFile(Context&, const Directive&);
Outcome runSetupFile(Context&, const Directive&);

// handlers_icon.cpp
Outcome runIcon(Context&, const Directive&);

// handlers_sound.cpp
Outcome runListen(Context&, const Directive&);
Outcome runHeard(Context&, const Directive&);
Outcome runQuiet(Context&, const Directive&);
Outcome runMark(Context&, const Directive&);
Outcome runElapsed(Context&, const Directive&);

}  // namespace zd
