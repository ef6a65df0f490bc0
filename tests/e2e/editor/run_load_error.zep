// A load error of a run from the editor is shown in a box owned by the
// editor (the box's text as always), no window opens, and the statement at
// fault is selected in the editor's text.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE {\r  SetWinSize(200, 100) ;\r  Data(\"a\", 0, 1) ;\r}\r"
//! command 32781
//! boxowner ZEP2
//! box! "ZEP Error" "サブルーチン : CREATE\r\n\r\n コマンド : Data\r\n\r\nパラメータの値が無効です"
//! ctlselected 200 200 "Data(\"a\", 0, 1) ;"
//! nowindow RUN
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
