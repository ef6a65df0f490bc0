// The Win32 editor system: its common file dialogs, the text control's font,
// limit and selection, WinHelpA, the run window it owns, its toolbar's
// classes, and (through win_editor_store) its examples and recovery folder.
#include "platform/win_editor.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
#include <richole.h>
#include <tom.h>


#include "assist/assist_dialogs.h"
#include "assist/reference.h"
#include "compiler/compile_dialog.h"
#include "ide/editor.h"
#include "ide/editor_text_win32.h"
#include "ide/toolbar_win32.h"
#include "ide/watch_window_win32.h"
#include "platform/win_editor_store.h"
#include "platform/win_pause.h"
#include "runtime/run_window_win32.h"

namespace zep {

namespace {

HWND Hwnd(WindowRef w) { return static_cast<HWND>(w); }
HINSTANCE InstanceOf(WindowRef w) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Hwnd(w), GWLP_HINSTANCE));
}

constexpr char kSettingsKey[] = "Software\\ZEP\\Editor";
constexpr COLORREF kMarkBack = RGB(255, 224, 128);
constexpr COLORREF kProblemBack = RGB(255, 208, 208);
constexpr size_t kFewRuns = 16;

// A height in pixels as the control's twips.
LONG Twips(int pixels) {
  HDC dc = GetDC(nullptr);
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return MulDiv(pixels, 1440, dpi > 0 ? dpi : 96);
}

// Tab stops every four characters of the font at pixels, on every line.
void SetTabStops(HWND control, int pixels) {
  int width = CharacterWidth(control, pixels);
  PARAFORMAT2 pf = {};
  pf.cbSize = sizeof pf;
  pf.dwMask = PFM_TABSTOPS;
  pf.cTabCount = MAX_TAB_STOPS;
  for (int i = 0; i < MAX_TAB_STOPS; ++i) pf.rgxTabs[i] = Twips(width * 4 * (i + 1));
  CHARRANGE kept = {};
  SendMessageW(control, EM_EXGETSEL, 0, (LPARAM)&kept);
  SendMessageW(control, EM_SETSEL, 0, -1);
  SendMessageW(control, EM_SETPARAFORMAT, 0, (LPARAM)&pf);
  SendMessageW(control, EM_EXSETSEL, 0, (LPARAM)&kept);
}

COLORREF ColourRef(uint32_t rgb) { return RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// ITextDocument, which the import libraries do not carry.
const IID kTextDocumentId = {0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

// The text object model of the control, which can hold its undo history
// back; nullptr when the control has none.
ITextDocument* TextDocument(HWND control) {
  IRichEditOle* ole = nullptr;
  if (!SendMessageW(control, EM_GETOLEINTERFACE, 0, (LPARAM)&ole) || ole == nullptr) return nullptr;
  ITextDocument* document = nullptr;
  ole->QueryInterface(kTextDocumentId, reinterpret_cast<void**>(&document));
  ole->Release();
  return document;
}

void ColourRun1(HWND control, const ColourRun& run, bool marked) {
  CHARRANGE range = {run.start, run.end};
  SendMessageW(control, EM_EXSETSEL, 0, (LPARAM)&range);
  CHARFORMAT2W cf = {};
  cf.cbSize = sizeof cf;
  if (run.problem) {
    cf.dwMask = CFM_UNDERLINE | CFM_BACKCOLOR;
    cf.dwEffects = CFE_UNDERLINE;
    cf.crBackColor = kProblemBack;
    SendMessageW(control, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
    return;
  }
  cf.dwMask = CFM_COLOR | CFM_UNDERLINE | CFM_BACKCOLOR;
  cf.crTextColor = ColourRef(ColourValue(run.colour));
  cf.dwEffects = run.colour == Colour::kUnknownCall ? CFE_UNDERLINE : 0;
  if (marked) {
    cf.crBackColor = kMarkBack;
  } else {
    cf.dwEffects |= CFE_AUTOBACKCOLOR;
  }
  SendMessageW(control, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

class Win32EditorSystem : public EditorSystem {
 public:
  // Open: the path and the file must exist. Save: an existing file is
  // confirmed. Neither adds an extension.
  bool ChooseScriptFile(WindowRef owner, bool save, const char* title, const char* filters,
                        char* path, char* name) override {
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = Hwnd(owner);
    ofn.lpstrFilter = filters;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrFileTitle = name;
    ofn.nMaxFileTitle = MAX_PATH;
    ofn.lpstrTitle = title;
    if (save) {
      ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
      return GetSaveFileNameA(&ofn) != 0;
    }
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    return GetOpenFileNameA(&ofn) != 0;
  }

  // ＭＳ ゴシック at 12 points (16 pixels on a 96-dpi screen), black, no
  // wrapping, notifications of changes and of the selection.
  void PrepareText(WindowRef control) override {
    HWND h = Hwnd(control);
    HookEditorText(h);
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC |
                CFM_UNDERLINE | CFM_BACKCOLOR;
    cf.dwEffects = CFE_AUTOBACKCOLOR;
    cf.yHeight = Twips(TextPixels(100));
    cf.bCharSet = SHIFTJIS_CHARSET;
    cf.bPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyW(cf.szFaceName, L"ＭＳ ゴシック");
    SendMessageW(h, EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
    SendMessageW(h, EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&cf);
    SendMessageW(h, EM_SETTARGETDEVICE, 0, 1);
    SendMessageW(h, EM_SETUNDOLIMIT, 500, 0);
    SendMessageW(h, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    SendMessageW(h, EM_EMPTYUNDOBUFFER, 0, 0);
  }

  void LimitText(WindowRef control, int32_t characters) override {
    SendMessageW(Hwnd(control), EM_EXLIMITTEXT, 0, (LPARAM)characters);
  }

  // The size of every character and of text typed later, and the tab stops
  // every four characters; not in the undo history.
  void ZoomText(WindowRef control, int32_t percent) override {
    HWND h = Hwnd(control);
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_SIZE;
    cf.yHeight = Twips(TextPixels(percent));
    LRESULT mask = SendMessageW(h, EM_SETEVENTMASK, 0, 0);
    ITextDocument* document = TextDocument(h);
    long ignored = 0;
    if (document != nullptr) document->Undo(tomSuspend, &ignored);
    SendMessageW(h, EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
    SendMessageW(h, EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&cf);
    SetTabStops(h, TextPixels(percent));
    if (document != nullptr) {
      document->Undo(tomResume, &ignored);
      document->Release();
    }
    SendMessageW(h, EM_SETEVENTMASK, 0, mask);
  }

  // The empty control takes the size, the plain colours and the tab stops
  // first, so that the lines take them as they come in: giving them to a
  // 65,000-byte text afterwards costs the control a fifth of a second.
  void LoadText(WindowRef control, const char* text, int32_t percent) override {
    HWND h = Hwnd(control);
    LRESULT mask = SendMessageW(h, EM_SETEVENTMASK, 0, 0);
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)"");
    ZoomText(control, percent);
    ColourRun1(h, {0, -1, Colour::kPlain}, false);
    SendMessageA(h, EM_REPLACESEL, FALSE, (LPARAM)text);
    SendMessageW(h, EM_SETSEL, 0, 0);
    SendMessageW(h, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(h, EM_SETMODIFY, FALSE, 0);
    SendMessageW(h, EM_SETEVENTMASK, 0, mask);
  }

  void StartCheckTimer(WindowRef window, int32_t milliseconds) override {
    SetTimer(Hwnd(window), kCheckTimerId, static_cast<UINT>(milliseconds), nullptr);
  }

  void StopCheckTimer(WindowRef window) override { KillTimer(Hwnd(window), kCheckTimerId); }

  // With the notifications off, the undo history suspended and the
  // selection and scroll position put back afterwards. A few runs (a typed
  // line, a bracket) the control repaints where they are; for many, it
  // stops drawing until all are given, then paints once.
  void ColourRuns(WindowRef control, const ColourRun* runs, size_t count, bool marked) override {
    HWND h = Hwnd(control);
    LRESULT mask = SendMessageW(h, EM_SETEVENTMASK, 0, 0);
    bool many = count > kFewRuns;
    if (many) SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    CHARRANGE kept = {};
    SendMessageW(h, EM_EXGETSEL, 0, (LPARAM)&kept);
    POINT scroll = {};
    SendMessageW(h, EM_GETSCROLLPOS, 0, (LPARAM)&scroll);
    BOOL modified = (BOOL)SendMessageW(h, EM_GETMODIFY, 0, 0);
    ITextDocument* document = TextDocument(h);
    long ignored = 0;
    if (document != nullptr) document->Undo(tomSuspend, &ignored);
    for (size_t i = 0; i < count; ++i) ColourRun1(h, runs[i], marked);
    if (document != nullptr) {
      document->Undo(tomResume, &ignored);
      document->Release();
    }
    SendMessageW(h, EM_EXSETSEL, 0, (LPARAM)&kept);
    SendMessageW(h, EM_SETSCROLLPOS, 0, (LPARAM)&scroll);
    SendMessageW(h, EM_SETMODIFY, modified, 0);
    if (many) {
      SendMessageW(h, WM_SETREDRAW, TRUE, 0);
      InvalidateRect(h, nullptr, FALSE);
    }
    SendMessageW(h, EM_SETEVENTMASK, 0, mask);
  }

  void ShownLines(WindowRef control, int32_t* first, int32_t* last) override {
    HWND h = Hwnd(control);
    RECT client;
    GetClientRect(h, &client);
    POINTL bottom = {client.right, client.bottom};
    LRESULT at = SendMessageW(h, EM_CHARFROMPOS, 0, (LPARAM)&bottom);
    *first = static_cast<int32_t>(SendMessageW(h, EM_GETFIRSTVISIBLELINE, 0, 0));
    *last = static_cast<int32_t>(SendMessageW(h, EM_EXLINEFROMCHAR, 0, at)) + 1;
  }

  void SetNumberMargin(WindowRef control, int32_t digits) override {
    HWND h = Hwnd(control);
    int width = NumberMarginWidth(h, digits);
    PlaceTextRect(h);
    RECT margin;
    GetClientRect(h, &margin);
    margin.right = width;
    InvalidateRect(h, &margin, FALSE);
  }

  int32_t ReadSetting(const char* name, int32_t fallback) override {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS) {
      return fallback;
    }
    return static_cast<int32_t>(value);
  }

  void WriteSetting(const char* name, int32_t value) override {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
      return;
    }
    DWORD v = static_cast<DWORD>(value);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
    RegCloseKey(key);
  }

  void SetStatusParts(WindowRef bar, const int32_t* edges, int count) override {
    int parts[8];
    for (int i = 0; i < count && i < 8; ++i) parts[i] = edges[i];
    SendMessageA(Hwnd(bar), SB_SETPARTS, (WPARAM)count, (LPARAM)parts);
  }

  void SetStatusText(WindowRef bar, int part, const char* text) override {
    SendMessageA(Hwnd(bar), SB_SETTEXTA, (WPARAM)part, (LPARAM)text);
  }

  void SelectAll(WindowRef control) override { SendMessageA(Hwnd(control), EM_SETSEL, 0, -1); }

  // The reference: ZEP2.HLP through WinHelpA where one lies beside the
  // program, otherwise the reference window (the file name is the help
  // file's, so it is not needed here).
  void Help(WindowRef owner, const char*, HelpCommand command) override {
    switch (command) {
      case kHelpIndex: OpenReference(owner, ReferencePlace::kContents, nullptr); break;
      case kHelpPartialKey: OpenReference(owner, ReferencePlace::kSearch, nullptr); break;
      case kHelpQuit: CloseReference(owner); break;
      default: break;  // a keyword comes through HelpOn
    }
  }

  void HelpOn(WindowRef owner, const char* name, bool known) override {
    OpenReference(owner, known ? ReferencePlace::kKeyword : ReferencePlace::kSearch, name);
  }

  void OpenAssist(WindowRef owner, WindowRef text, int id) override {
    switch (id) {
      case kCmdCommandAssist: ApplyAssistResult(owner, text, ShowCommandAssist(owner)); break;
      case kCmdPaletteAssist: ApplyAssistResult(owner, text, ShowPaletteAssist(owner)); break;
      case kCmdFontAssist: ApplyAssistResult(owner, text, ShowFontAssist(owner)); break;
      case kCmdStyleAssist: ApplyAssistResult(owner, text, ShowStyleAssist(owner)); break;
      case kCmdControlAssist: ApplyAssistResult(owner, text, ShowControlAssist(owner)); break;
      case kCmdFileNameAssist:
        if (FileNameAssist(owner) == 1) PasteAssistOutput(text);
        break;
      case kCmdVersion: ShowVersionDialog(owner); break;
      default: break;
    }
  }

  void OpenCompileDialog(WindowRef owner, const char* text, size_t size,
                         const char* saved_path) override {
    ShowCompileDialog(owner, text, size, saved_path);
  }

  void DestroyEditor(WindowRef window) override { DestroyWindow(Hwnd(window)); }

  bool OpenRunWindow(WindowRef editor) override {
    HINSTANCE instance = InstanceOf(editor);
    RegisterRunClass(instance);
    return CreateRunWindow(instance, Hwnd(editor)) != nullptr;
  }

  bool RegisterToolbarClasses(WindowRef editor) override {
    return zep::RegisterToolbarClasses(InstanceOf(editor));
  }

  bool LoadGuide(std::string* bytes) override { return LoadGuideResource(GetModuleHandleA(nullptr), bytes); }

  std::string GuidePicture(const std::string& name) override {
    return GuidePictureResource(GetModuleHandleA(nullptr), name);
  }

  bool LoadSample(int index, std::string* name, std::string* bytes) override {
    return LoadSampleResource(GetModuleHandleA(nullptr), index, name, bytes);
  }

  void InsertMenuPopup(WindowRef window, MenuRef popup, const char* title) override {
    InsertMenuBarPopup(Hwnd(window), static_cast<HMENU>(popup), title);
  }

  bool RecoveryFolder(char* path) override { return RecoveryFolderPath(path); }

  std::vector<FolderFile> ListFolder(const char* folder) override { return ListFolderFiles(folder); }

  bool RemoveFile(const char* path) override {
    return DeleteFileA(path) || GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES;
  }

  int64_t Milliseconds() override { return static_cast<int64_t>(GetTickCount64()); }
  void WaitWhilePaused(WindowRef editor, const bool* paused) override { RunPausedLoop(Hwnd(editor), paused); }
  void OpenWatchWindow(WindowRef editor) override { OpenWatch(editor); }
  bool WatchWindowOpen() override { return WatchOpen(); }
  void ShowWatch() override { RefreshWatch(); }
  // Only the margin: the text's own paint does nothing there, and the
  // margin is painted after it.
  void RedrawMargin(WindowRef control) override {
    RECT margin;
    GetClientRect(Hwnd(control), &margin);
    margin.right = NumberMarginWidth(Hwnd(control), editor.digits);
    InvalidateRect(Hwnd(control), &margin, FALSE);
  }
};

}  // namespace

// The rich text control's class and the common controls (the status bar)
// are loaded with the editor's platform.
EditorSystem* Win32Editor() {
  static bool loaded = [] {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    return LoadLibraryA("msftedit.dll") != nullptr;
  }();
  (void)loaded;
  static Win32EditorSystem the_editor;
  return &the_editor;
}

}  // namespace zep
