// A click on a line's number sets a breakpoint there (a second click
// clears it). Closing the editor while its run waits at the breakpoint asks
// about the text as always, then ends the run and the program cleanly.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "TIMER {\rn = n + 1 ;\r}\rCREATE {\rSetTimer(50) ;\rSetWinSize(200, 100) ;\r}\rINIT {\rn = 0 ;\r}\r"
//! ctlcontains 200 200 "n = 0 ;\r\n}"
//! ctlclick 10 80
//! hascolour 0 70 30 18 DC2828
//! ctlclick 10 80
//! notpixel 4 80 DC2828
//! ctlclick 10 52
//! hascolour 0 44 30 16 DC2828
//! command 32781
//! statustext 2 "一時停止中 (2 行)"
//! hascolour 0 44 30 16 FFD600
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
