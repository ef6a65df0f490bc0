// The assist output: one text buffer shared by the editor and its assist
// dialogs. A dialog leaves there the text it produced; its result tells the
// editor whether to paste that text, copy it to the clipboard, or do nothing.
#pragma once

#include <cstddef>

#include "resources/resource_ids.h"

namespace zep {

// The results of the assist dialogs (their button ids).
constexpr int kAssistPaste = ZEP_ASSIST_PASTE;    // "貼り付け": into the editor's text
constexpr int kAssistCopy = ZEP_ASSIST_COPY;      // "コピー": onto the clipboard
constexpr int kAssistCancel = ZEP_ASSIST_CANCEL;  // "閉じる", "ｷｬﾝｾﾙ", the close box, Escape

// The id of the editor's script text control, the child of the editor
// window that the command assist pastes into while it stays open.
constexpr int kEditorTextId = 200;

// Room for the longest text any dialog produces: a full path (259 bytes)
// in two double quotes, a catalog line with its line ends, a font command.
constexpr size_t kAssistOutputSize = 512;

const char* AssistOutput();

// Replaces the buffer's text, cut at kAssistOutputSize - 1 bytes without
// splitting a double-byte character.
void SetAssistOutput(const char* text);

enum class AssistAction { kNothing, kPaste, kCopy };

// What the editor does after an assist dialog ended with `result`.
AssistAction AssistResult(int result);

}  // namespace zep
