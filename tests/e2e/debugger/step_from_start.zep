// F10 with no run starts one that waits before INIT's first statement;
// F11 follows a call into its section; F5 lets the run go on.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "CREATE {\rSetWinSize(200, 100) ;\r}\rINIT {\rn = 1 ;\rcall(\"SUB\") ;\rn = 3 ;\r}\rSUB {\rn = 2 ;\r}\r"
//! ctlcontains 200 200 "n = 2 ;\r\n}"
//! press "0x79"
//! statustext 2 "一時停止中 (5 行)"
//! ctlselected 200 200 "n = 1 ;"
//! press "0x79"
//! statustext 2 "一時停止中 (6 行)"
//! press "0x7A"
//! statustext 2 "一時停止中 (10 行)"
//! ctlselected 200 200 "n = 2 ;"
//! press "0x79"
//! statustext 2 "一時停止中 (7 行)"
//! press "0x74"
//! statustext 2 "実行中"
//! window RUN
//! close
//! nowindow RUN
//! window ZEP2
//! statustext 2 "実行を終えました"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
