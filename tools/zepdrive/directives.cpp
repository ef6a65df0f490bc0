#include "directives.h"

#include "handlers.h"

namespace zd {
namespace {

const DirectiveDef kDirectives[] = {
    // Set-up, read before the program starts.
    {"cmdline", "|r", Needs::Nothing, nullptr},
    {"setupfile", "ps", Needs::BeforeStart, runSetupFile},
    {"timeout", "f", Needs::Nothing, runTimeout},
    {"sleep", "i", Needs::Nothing, runSleep},
    // Windows and message boxes.
    {"window", "p|s", Needs::Nothing, runWindow},
    {"nowindow", "p", Needs::Nothing, runNoWindow},
    {"windows", "pi", Needs::Nothing, runWindowCount},
    {"box", "ss", Needs::Nothing, runBox},
    {"box!", "ss", Needs::Nothing, runBoxExclamation},
    {"nobox", "i", Needs::Nothing, runNoBox},
    {"boxpress", "sss", Needs::Nothing, runBoxPress},
    {"boxowner", "w", Needs::Nothing, runBoxOwner},
    {"dialog", "s", Needs::Nothing, runDialog},
    {"dialogcancel", "", Needs::Nothing, runDialogCancel},
    {"dialogfile", "s", Needs::Nothing, runDialogFile},
    {"close", "", Needs::LiveWindow, runClose},
    {"resize", "ii", Needs::LiveWindow, runResize},
    {"moveto", "ii", Needs::LiveWindow, runMoveTo},
    {"title", "s", Needs::LiveWindow, runTitle},
    {"clientsize", "ii", Needs::LiveWindow, runClientSize},
    {"windowpos", "ii", Needs::LiveWindow, runWindowPos},
    {"clientpos", "ii", Needs::LiveWindow, runClientPos},
    {"style", "x", Needs::LiveWindow, runStyle},
    {"topmost", "z", Needs::LiveWindow, runTopmost},
    {"gone", "", Needs::Window, runGone},
    // Input.
    {"mousemove", "ii", Needs::LiveWindow, runMouseMove},
    {"click", "ii|b", Needs::LiveWindow, runClick},
    {"dblclick", "ii|b", Needs::LiveWindow, runDblClick},
    {"down", "ii|b", Needs::LiveWindow, runDown},
    {"up", "ii|b", Needs::LiveWindow, runUp},
    {"key", "i", Needs::LiveWindow, runKey},
    {"keydown", "i", Needs::LiveWindow, runKeyDown},
    {"keyup", "i", Needs::LiveWindow, runKeyUp},
    {"char", "i", Needs::LiveWindow, runChar},
    {"hscroll", "i|i", Needs::LiveWindow, runHScroll},
    {"vscroll", "i|i", Needs::LiveWindow, runVScroll},
    // Child controls, named by a client point of the current window.
    {"ctlclick", "ii", Needs::LiveWindow, runCtlClick},
    {"ctlkey", "iii", Needs::LiveWindow, runCtlKey},
    {"ctlwheel", "iii|w", Needs::LiveWindow, runCtlWheel},
    {"ctltype", "iis", Needs::LiveWindow, runCtlType},
    {"ctltext", "iis", Needs::LiveWindow, runCtlText},
    {"ctlcontains", "iis", Needs::LiveWindow, runCtlContains},
    {"ctlfile", "iip", Needs::LiveWindow, runCtlFile},
    {"ctlmove", "ii|ii", Needs::LiveWindow, runCtlMove},
    {"ctldown", "ii", Needs::LiveWindow, runCtlDown},
    {"ctlup", "ii|ii", Needs::LiveWindow, runCtlUp},
    // Items of the current window (a dialog's controls), named by their id.
    {"itemtext", "is", Needs::LiveWindow, runItemText},
    {"itemclick", "i", Needs::LiveWindow, runItemClick},
    {"itemsettext", "is", Needs::LiveWindow, runItemSetText},
    {"itemselect", "ii", Needs::LiveWindow, runItemSelect},
    {"itemchoose", "is", Needs::LiveWindow, runItemChoose},
    {"itemdblclick", "ii", Needs::LiveWindow, runItemDoubleClick},
    {"itemselected", "is", Needs::LiveWindow, runItemSelected},
    {"itemcount", "ii", Needs::LiveWindow, runItemCount},
    {"itemcheck", "iz", Needs::LiveWindow, runItemCheck},
    {"itemfocus", "i", Needs::LiveWindow, runItemFocus},
    {"itemscroll", "ii|i", Needs::LiveWindow, runItemScroll},
    {"itemscrollpos", "ii", Needs::LiveWindow, runItemScrollPos},
    {"defbutton", "i", Needs::LiveWindow, runDefButton},
    {"focuskey", "i", Needs::LiveWindow, runFocusKey},
    {"hastext", "s", Needs::LiveWindow, runHasText},
    // List views of the current window, named by their id: rows and cells.
    {"lvcount", "ii", Needs::LiveWindow, runLvCount},
    {"lvtext", "iiis", Needs::LiveWindow, runLvText},
    {"lvfind", "iisis", Needs::LiveWindow, runLvFind},
    {"lvselect", "ii", Needs::LiveWindow, runLvSelect},
    {"lvclick", "iii", Needs::LiveWindow, runLvClick},
    {"lvdblclick", "iii", Needs::LiveWindow, runLvDoubleClick},
    // The clipboard.
    {"clipboard", "s", Needs::Nothing, runClipboard},
    {"setclipboard", "s", Needs::Nothing, runSetClipboard},
    // The menu bar of the current window, through the keyboard.
    {"altkey", "w", Needs::LiveWindow, runAltKey},
    {"realclick", "ii", Needs::LiveWindow, runRealClick},
    {"menuopen", "", Needs::LiveWindow, runMenuOpen},
    // Editors: commands by id, typed Unicode, selections, items, menus.
    {"command", "i", Needs::LiveWindow, runCommand},
    {"typeunicode", "s", Needs::LiveWindow, runTypeUnicode},
    {"ctlselected", "iis", Needs::LiveWindow, runCtlSelected},
    {"ctlselect", "iiii", Needs::LiveWindow, runCtlSelect},
    {"ctllink", "iis", Needs::LiveWindow, runCtlLink},
    {"ctlitems", "iis", Needs::LiveWindow, runCtlItems},
    {"ctlselection", "iiii", Needs::LiveWindow, runCtlSelection},
    {"ctlsettext", "iis", Needs::LiveWindow, runCtlSetText},
    {"menubar", "is", Needs::LiveWindow, runMenuBar},
    {"menupopup", "iis", Needs::LiveWindow, runMenuPopup},
    {"press", "s", Needs::LiveWindow, runPress},
    {"statustext", "is", Needs::LiveWindow, runStatusText},
    {"regdword", "ssi", Needs::Nothing, runRegDword},
    // What is on the screen.
    {"pixel", "iic", Needs::LiveWindow, runPixel},
    {"notpixel", "iic", Needs::LiveWindow, runNotPixel},
    {"rect", "iiiic", Needs::LiveWindow, runRect},
    {"shot", "p", Needs::LiveWindow, runShot},
    {"notblank", "", Needs::LiveWindow, runNotBlank},
    {"hascolour", "iiiic", Needs::LiveWindow, runHasColour},
    // The process and its files.
    {"exit", "i", Needs::Nothing, runExit},
    {"running", "", Needs::Nothing, runRunning},
    {"file", "ps", Needs::Nothing, runFile},
    {"nofile", "p", Needs::Nothing, runNoFile},
    {"filegone", "p", Needs::Nothing, runFileGone},
    {"delete", "p", Needs::Nothing, runDelete},
    {"start", "p", Needs::Nothing, runStart},
    {"filehex", "ps", Needs::Nothing, runFileHex},
    {"filehas", "ps", Needs::Nothing, runFileHas},
    {"samefile", "pp", Needs::Nothing, runSameFile},
    {"icon", "piiiii", Needs::Nothing, runIcon},
    // Sound and time.
    {"listen", "", Needs::Nothing, runListen},
    {"heard", "i", Needs::Nothing, runHeard},
    {"quiet", "i", Needs::Nothing, runQuiet},
    {"mark", "", Needs::Nothing, runMark},
    {"elapsed", "i", Needs::Nothing, runElapsed},
};

}  // namespace

const DirectiveDef* findDirective(const std::string& name) {
    for (const DirectiveDef& d : kDirectives) {
        if (name == d.name) return &d;
    }
    return nullptr;
}

}  // namespace zd
