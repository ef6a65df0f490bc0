#include "controls/bitmap_button_win32.h"

#include "controls/bitmap_buttons.h"
#include "controls/button_model_win32.h"

namespace zep {

namespace {

LRESULT CALLBACK ButtonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ButtonModelProc(script_buttons, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK HintWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return HintModelProc(script_buttons, hwnd, message, wParam, lParam);
}

}  // namespace

void RegisterButtonClasses(HINSTANCE instance) {
  RegisterModelClass(instance, script_buttons.face.classes.button, ButtonWindowProc);
  RegisterModelClass(instance, script_buttons.face.classes.hint, HintWindowProc);
}

}  // namespace zep
