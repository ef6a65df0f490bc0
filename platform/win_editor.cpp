// The Win32 editor system: its common file dialogs, the text control's font,
// limit and selection, WinHelpA, the run window it owns and its toolbar's
// classes.
#include "platform/win_editor.h"

#include <windows.h>
#include <commdlg.h>

#include "ide/toolbar_win32.h"
#include "runtime/run_window_win32.h"

namespace zep {

namespace {

HWND Hwnd(WindowRef w) { return static_cast<HWND>(w); }
HINSTANCE InstanceOf(WindowRef w) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Hwnd(w), GWLP_HINSTANCE));
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

  void UseFixedFont(WindowRef control) override {
    SendMessageA(Hwnd(control), WM_SETFONT, (WPARAM)GetStockObject(OEM_FIXED_FONT), TRUE);
  }

  void LimitText(WindowRef control, int32_t characters) override {
    SendMessageA(Hwnd(control), EM_LIMITTEXT, (WPARAM)characters, 0);
  }

  void SelectAll(WindowRef control) override { SendMessageA(Hwnd(control), EM_SETSEL, 0, -1); }

  void Help(WindowRef owner, const char* file, HelpCommand command) override {
    WinHelpA(Hwnd(owner), file, command, 0);
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
};

}  // namespace

EditorSystem* Win32Editor() {
  static Win32EditorSystem the_editor;
  return &the_editor;
}

}  // namespace zep
