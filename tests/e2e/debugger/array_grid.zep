// The variables' window: the filter keeps the names that hold its text; an
// array chosen shows as a grid, a click on a cell chooses that element, and
// its value changed while the run waits is the one the run goes on with.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "TIMER {\ra(1, 2) = a(1, 2) + 1 ;\r}\rCREATE {\rData(\"a\", 3, 4) ;\rSetTimer(100) ;\rSetWinSize(200, 100) ;\r}\rINIT {\rscore = 5 ;\r}\r"
//! ctlcontains 200 200 "score = 5 ;\r\n}"
//! ctlselect 200 200 12 12
//! command 32805
//! command 32799
//! window ZEPWATCH
//! window ZEP2
//! command 32781
//! statustext 2 "一時停止中 (2 行)"
//! window ZEPWATCH
//! lvcount 303 2
//! itemsettext 302 "SC"
//! lvcount 303 1
//! lvtext 303 0 0 "score"
//! itemsettext 302 ""
//! lvcount 303 2
//! lvfind 303 0 "a" 1 "配列 3 x 4"
//! lvselect 303 0
//! lvcount 304 3
//! lvtext 304 1 3 "0"
//! lvclick 304 1 3
//! itemtext 305 "a(1,2):"
//! itemsettext 306 "9"
//! itemclick 307
//! lvtext 304 1 3 "9"
//! window ZEP2
//! command 32800
//! window ZEPWATCH
//! lvtext 304 1 3 "10"
//! window ZEP2
//! command 32804
//! statustext 2 "実行を終えました"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
