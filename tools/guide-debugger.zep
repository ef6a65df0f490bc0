// Drives the editor for the guide's picture of the debugger
// (tools/guide-pictures): the example of the guide's chapter, a breakpoint
// in TIMER after a click, the run paused there with the variables shown.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "LBUTTONDOWN\r{\rhit = 1 ;\r}\r\rTIMER\r{\rif (hit == 1) {\rscore = score + 1 ;\r}\r}\r\rCREATE\r{\rSetTimer(100) ;\rSetWinSize(240, 120) ;\r}\r\rINIT\r{\rhit = 0 ;\rscore = 0 ;\r}\r"
//! ctlcontains 200 200 "score = 0 ;\r\n}"
//! ctlselect 200 200 63 63
//! command 32805
//! command 32799
//! window ZEPWATCH
//! moveto 380 70
//! window ZEP2
//! command 32781
//! window RUN
//! moveto 420 420
//! click 20 20
//! window ZEP2
//! statustext 2 "一時停止中 (9 行)"
//! window ZEPWATCH
//! lvfind 303 0 "score" 1 "0"
//! lvselect 303 0
//! sleep 10000
//! exit 0
