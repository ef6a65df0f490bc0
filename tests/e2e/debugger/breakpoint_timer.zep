// A breakpoint in TIMER: the run waits there with the statement selected,
// F10 steps one statement, and F5 goes on.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "TIMER {\rn = n + 1 ;\rm = n * 2 ;\r}\rCREATE {\rSetTimer(100) ;\r}\rINIT {\rn = 0 ;\r}\r"
//! ctlcontains 200 200 "n = 0 ;\r\n}"
//! ctlselect 200 200 12 12
//! press "0x78"
//! sleep 300
//! shot f9.bmp
//! press "0x74"
//! statustext 2 "一時停止中 (2 行)"
//! ctlselected 200 200 "n = n + 1 ;"
//! shot paused.bmp
//! press "0x79"
//! statustext 2 "一時停止中 (3 行)"
//! ctlselected 200 200 "m = n * 2 ;"
//! press "0x74"
//! statustext 2 "一時停止中 (2 行)"
//! command 32804
//! statustext 2 "実行を終えました"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
