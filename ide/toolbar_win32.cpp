#include "ide/toolbar_win32.h"

#include "controls/button_model_win32.h"
#include "ide/toolbar.h"

namespace zep {

namespace {

LRESULT CALLBACK ToolbarButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ButtonModelProc(toolbar_buttons, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ToolbarHintProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return HintModelProc(toolbar_buttons, hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterToolbarClasses(HINSTANCE instance) {
  bool button = RegisterModelClass(instance, toolbar_buttons.face.classes.button, ToolbarButtonProc);
  bool hint = RegisterModelClass(instance, toolbar_buttons.face.classes.hint, ToolbarHintProc);
  return button && hint;
}

}  // namespace zep
