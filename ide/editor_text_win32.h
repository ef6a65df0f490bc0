// The editor's text control as the editor handles it: its keys, the zoom
// by Ctrl + wheel, plain-text pastes, the colours given before each paint
// and the line numbers painted after it in its left margin.
#pragma once

#include <windows.h>

namespace zep {

// Takes over the control's procedure (once).
void HookEditorText(HWND control);

// The margin's width in pixels for digits at the editor's zoom.
int NumberMarginWidth(HWND control, int digits);

// The text's height in pixels at percent of its usual size (about 16
// pixels): the nearest height at which the font keeps its underscore inside
// the line (the control cuts off a line's last row of pixels, where some
// sizes of a font draw "_").
int TextPixels(int percent);

// The editor's font at a height in pixels, and the width of one of its
// characters (a digit) on control.
HFONT EditorFont(int pixels);
int CharacterWidth(HWND control, int pixels);

// The text starts right of the line-number margin.
void PlaceTextRect(HWND control);

}  // namespace zep
