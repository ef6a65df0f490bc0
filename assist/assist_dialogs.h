// The editor's assist dialogs and what the editor does with their results.
// Each dialog is modal, owned by `owner` (the editor window), and leaves the
// text it produced in the assist output (assist_output.h).
//
// The editor's menu calls, for each item:
//   コマンドアシスト      ApplyAssistResult(editor, text, ShowCommandAssist(editor));
//   パレットに色を設定    ApplyAssistResult(editor, text, ShowPaletteAssist(editor));
//   フォントを選択        ApplyAssistResult(editor, text, ShowFontAssist(editor));
//   ウィンドウスタイルを選択 ApplyAssistResult(editor, text, ShowStyleAssist(editor));
//   コントロールを選択    ApplyAssistResult(editor, text, ShowControlAssist(editor));
//   ファイル名の取得      if (FileNameAssist(editor) == 1) PasteAssistOutput(text);
//   ﾊﾞｰｼﾞｮﾝ情報          ShowVersionDialog(editor);
// where `text` is the editor's script text control.
#pragma once

#include "core/common.h"

namespace zep {

// Dialog 129. "貼り付け" replaces the selection of the owner's child
// kEditorTextId with the entry and leaves the dialog open; "コピー" ends it
// with 1004; "閉じる", the close box and Escape end it with 1005; "詳細
// （ヘルプ）" opens the reference at the entry (reference.h).
int ShowCommandAssist(WindowRef owner);

// Dialogs 132, 133, 131, 145: 1003 (paste) or 1004 (copy) with their text
// in the assist output, or 1005 ("ｷｬﾝｾﾙ", the close box, Escape) with the
// assist output untouched.
int ShowPaletteAssist(WindowRef owner);
int ShowFontAssist(WindowRef owner);
int ShowStyleAssist(WindowRef owner);
int ShowControlAssist(WindowRef owner);

// The open-file dialog "ファイル名の取得": 1 with the chosen path in double
// quotes in the assist output, 0 when cancelled.
int FileNameAssist(WindowRef owner);

// Dialog 103: 1 for "OK", 2 for Escape or the close box.
int ShowVersionDialog(WindowRef owner);

// Replaces the text control's selection with the assist output (not
// undoable, as the editor's own insertions).
void PasteAssistOutput(WindowRef text_control);

// Puts text on the clipboard as CF_TEXT, the clipboard opened for owner.
// False when the memory for it cannot be had (the editor then says so); a
// clipboard that another program holds is left as it is, the memory freed.
bool CopyTextToClipboard(WindowRef owner, const char* text);

// The editor's handling of an assist dialog's result: 1003 pastes the
// assist output into text_control, 1004 copies it to the clipboard (with
// the editor's message "メモリーの確保に失敗しました" when that fails),
// anything else does nothing.
void ApplyAssistResult(WindowRef editor, WindowRef text_control, int result);

}  // namespace zep
