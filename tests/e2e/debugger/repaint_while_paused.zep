// While the run waits at a breakpoint its window still repaints, from the
// picture it showed when the pause began: its PAINT section does not run.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "PAINT {\rBox(10, 10, 60, 60, 2, 2) ;\r}\rTIMER {\rn = n + 1 ;\r}\rCREATE {\rSetTimer(100) ;\rSetWinSize(200, 100) ;\r}\rINIT {\rn = 0 ;\r}\r"
//! ctlcontains 200 200 "n = 0 ;\r\n}"
//! command 32799
//! window ZEPWATCH
//! moveto 500 300
//! window ZEP2
//! ctlselect 200 200 53 53
//! command 32805
//! command 32781
//! statustext 2 "一時停止中 (5 行)"
//! window RUN
//! pixel 30 30 FF0000
//! resize 260 160
//! sleep 500
//! pixel 30 30 FF0000
//! window ZEPWATCH
//! lvfind 301 0 "PAINT" 1 "1"
//! window ZEP2
//! command 32804
//! statustext 2 "実行を終えました"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
