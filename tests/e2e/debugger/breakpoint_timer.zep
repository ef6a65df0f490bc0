// A breakpoint in TIMER (F9 on its line): the run waits there with the
// statement selected and the variables shown; F10 steps one statement; a
// value changed while the run waits is the one it goes on with after F5;
// Shift+F5 ends the run.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "TIMER {\rn = n + 1 ;\rm = n * 2 ;\r}\rCREATE {\rSetTimer(100) ;\rSetWinSize(200, 100) ;\r}\rINIT {\rn = 0 ;\r}\r"
//! ctlcontains 200 200 "n = 0 ;\r\n}"
//! ctlselect 200 200 12 12
//! press "0x78"
//! hascolour 0 30 30 18 DC2828
//! command 32799
//! window ZEPWATCH
//! window ZEP2
//! press "0x74"
//! statustext 2 "一時停止中 (2 行)"
//! ctlselected 200 200 "n = n + 1 ;"
//! hascolour 0 30 30 18 FFD600
//! window ZEPWATCH
//! lvfind 303 0 "n" 1 "0"
//! lvfind 301 0 "TIMER" 3 "実行中"
//! window ZEP2
//! press "0x79"
//! statustext 2 "一時停止中 (3 行)"
//! ctlselected 200 200 "m = n * 2 ;"
//! window ZEPWATCH
//! lvfind 303 0 "n" 1 "1"
//! lvselect 303 0
//! itemtext 305 "n:"
//! itemsettext 306 "40"
//! itemclick 307
//! lvfind 303 0 "n" 1 "40"
//! window ZEP2
//! press "0x74"
//! statustext 2 "一時停止中 (2 行)"
//! window ZEPWATCH
//! lvfind 303 0 "m" 1 "80"
//! lvfind 301 0 "TIMER" 1 "2"
//! window ZEP2
//! press "shift+0x74"
//! statustext 2 "実行を終えました"
//! nowindow RUN
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
