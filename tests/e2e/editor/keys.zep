// The editor as a beginner types into it: Enter keeps the indentation and
// indents after "{", a "}" on a blank line moves back; the words take their
// colours (a section, a command, a reserved variable), the line numbers
// stand in a grey margin with the caret's line marked, and the status bar
// gives the caret's place and 変更あり. Undo and redo step through typing,
// an assist's paste and a replaced word; the shortcuts of the menu work;
// F3 finds again, from the top when nothing follows; Tab and Shift+Tab move
// the selected lines; the bracket at the caret and its match are marked;
// Ctrl + "+", Ctrl + 0 and Ctrl + wheel change the size, which is kept for
// the next start.
//! cmdline
//! delete "files/keys.zep"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "PAINT {\rBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r}\r"
//! ctltext 200 200 "PAINT {\r\n\tBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r\n}\r\n"
//! hascolour 40 29 80 16 800000
//! hascolour 40 46 150 16 0000FF
//! hascolour 40 46 300 16 8000A0
//! pixel 3 120 ECECEC
//! hascolour 0 80 30 16 D2DEF0
//! statustext 0 "行 4  列 1"
//! statustext 1 "変更あり"
// Undo takes back the last line end, then the "}" moved back; redo puts it again.
//! press "ctrl+z"
//! ctltext 200 200 "PAINT {\r\n\tBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r\n}"
//! press "ctrl+z"
//! ctltext 200 200 "PAINT {\r\n\tBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r\n\t"
//! press "ctrl+y"
//! ctltext 200 200 "PAINT {\r\n\tBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r\n}"
// A replaced word comes back in one step.
//! ctlselect 200 200 10 13
//! typeunicode "Circle"
//! ctlcontains 200 200 "\tCircle(MOUSE_X"
//! press "ctrl+z"
//! ctltext 200 200 "PAINT {\r\n\tBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r\n}"
// An assist's paste is one step too.
//! ctlselect 200 200 0 0
//! command 32780
//! window #32770 "コマンド　アシスト"
//! itemselect 1008 14
//! itemselected 1002 "MOUSE_X"
//! itemclick 1003
//! itemclick 1005
//! gone
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltext 200 200 "MOUSE_XPAINT {\r\n\tBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r\n}"
//! press "ctrl+z"
//! ctltext 200 200 "PAINT {\r\n\tBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r\n}"
// The bracket after the caret and its match on the same line.
//! ctlselect 200 200 12 12
//! hascolour 40 46 300 16 FFE080
//! statustext 0 "行 2  列 4"
// Tab and Shift+Tab on the first two lines.
//! ctlselect 200 200 0 12
//! press "0x09"
//! ctltext 200 200 "\tPAINT {\r\n\t\tBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r\n}"
//! press "shift+0x09"
//! ctltext 200 200 "PAINT {\r\n\tBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r\n}"
// Ctrl+A, then Ctrl+S asks for a name and writes the bytes shown.
//! press "ctrl+a"
//! ctlselection 200 200 0 42
//! press "ctrl+s"
//! dialog "名前を付けて保存"
//! dialogfile "files/keys"
//! file "files/keys.zep" "PAINT {\r\n\tBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r\n}"
//! title "ZEP - [keys.zep]"
//! statustext 1 ""
//! statustext 2 "保存しました"
// F3 finds the search box's word after the caret, then again from the top.
//! ctlselect 200 200 0 0
//! ctlsettext 150 12 "Box"
//! press "0x72"
//! ctlselected 200 200 "Box"
//! statustext 2 ""
//! press "0x72"
//! ctlselected 200 200 "Box"
//! statustext 2 "先頭に戻って見つけました"
//! ctlsettext 150 12 "Prin"
//! press "0x72"
//! statustext 2 "見つかりません"
//! press "ctrl+f"
//! itemfocus 201
// Undo in the search box is the box's own: the text stays as it is.
//! typeunicode "x"
//! press "ctrl+z"
//! sleep 300
//! ctltext 200 200 "PAINT {\r\n\tBox(MOUSE_X, 2, 3, 4, 0, 0) ;\r\n}"
// The size: one step up is kept, Ctrl+0 goes back.
//! ctlclick 200 200
//! press "ctrl+0xBB"
//! regdword "Software\\ZEP\\Editor" "zoom" 110
//! press "ctrl+0"
//! regdword "Software\\ZEP\\Editor" "zoom" 100
//! ctlwheel 200 200 120 ctrl
//! regdword "Software\\ZEP\\Editor" "zoom" 110
//! ctlwheel 200 200 -120 ctrl
//! regdword "Software\\ZEP\\Editor" "zoom" 100
// F5 runs; Ctrl+N and Ctrl+O ask as the menu does.
//! press "0x74"
//! window RUN
//! close
//! nowindow RUN
//! window ZEP2 "ZEP - [keys.zep]"
//! statustext 2 "実行を終えました"
//! press "ctrl+o"
//! dialog "開く"
//! dialogcancel
//! press "ctrl+n"
//! boxpress "新規作成" "標準的な\nＺＥＰプログラムを\n貼付けますか？" "no"
//! title "ZEP - [NONAME.ZEP]"
//! ctltext 200 200 ""
//! close
//! exit 0
