// The README's first steps, as a beginner takes them: New with the standard
// program, two lines typed into PAINT and one into LBUTTONDOWN, Save on the
// toolbar (".zep" added), Run on the toolbar, a click in the script's window,
// its menu item that ends it; then a mistake made on purpose: the error box
// names it, and the editor selects the statement to fix.
//! cmdline
//! delete "files/first.zep"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! command 32789
//! boxpress "新規作成" "標準的な\nＺＥＰプログラムを\n貼付けますか？" "yes"
//! ctlcontains 200 200 "ID_end"
//! ctlselect 200 200 99 99
//! typeunicode "Print(20, 20, 0, 0, 24, 4, \"こんにちは\") ;\rCircle(40, 80, 120, 160, 0, 6) ;\r"
//! ctlcontains 200 200 "PAINT\r\n{\r\nPrint(20, 20, 0, 0, 24, 4, \"こんにちは\") ;\r\nCircle(40, 80, 120, 160, 0, 6) ;\r\n\r\n}"
//! ctlselect 200 200 65 65
//! typeunicode "Circle(MOUSE_X - 5, MOUSE_Y - 5, MOUSE_X + 5, MOUSE_Y + 5, 2, 2) ;\r"
//! ctlcontains 200 200 "LBUTTONDOWN\r\n{\r\nCircle(MOUSE_X - 5, MOUSE_Y - 5, MOUSE_X + 5, MOUSE_Y + 5, 2, 2) ;\r\n\r\n}"
//! ctlclick 15 15
//! dialog "名前を付けて保存"
//! dialogfile "files/first"
//! title "ZEP - [first.zep]"
//! ctlclick 38 15
//! window RUN "ＺＥＰプログラム"
//! pixel 80 120 FFFF00
//! click 200 100
//! pixel 200 100 FF0000
//! altkey f
//! key 0x28
//! key 0x0D
//! nowindow RUN
//! window ZEP2 "ZEP - [first.zep]"
//! ctlselect 200 200 167 172
//! ctlselected 200 200 "Print"
//! ctltype 200 200 "Prin"
//! ctlclick 38 15
//! box! "ZEP Error" "サブルーチン : PAINT\r\n\r\n Prin\r\n\r\nこのコマンドは存在しません"
//! nowindow RUN
//! window ZEP2 "ZEP - [first.zep]"
//! ctlselected 200 200 "Prin(20, 20, 0, 0, 24, 4, \"こんにちは\") ;"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
