// Closing the editor while its run waits at a breakpoint asks about the
// text as always, then ends the run and the program cleanly.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "TIMER {\rn = n + 1 ;\r}\rCREATE {\rSetTimer(50) ;\rSetWinSize(200, 100) ;\r}\rINIT {\rn = 0 ;\r}\r"
//! ctlcontains 200 200 "n = 0 ;\r\n}"
//! ctlselect 200 200 12 12
//! command 32805
//! command 32781
//! statustext 2 "一時停止中 (2 行)"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
