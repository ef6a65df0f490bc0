// With the variables' window open, an error stops like a breakpoint: its
// box comes as always, then the statement is selected and the variables
// can be read; F5 ends the run, and the editor says it stopped with an error.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "CREATE {\rSetWinSize(200, 100) ;\r}\rINIT {\rscore = 12 ;\rx = score + y ;\r}\r"
//! ctlcontains 200 200 "x = score + y ;\r\n}"
//! command 32799
//! window ZEPWATCH
//! window ZEP2
//! command 32781
//! box! "ZEP Error" "サブルーチン : INIT\r\n\r\n 変数 : y\r\n\r\n変数の値が未定です"
//! window ZEP2
//! statustext 2 "エラーで一時停止中 (6 行)"
//! ctlselected 200 200 "x = score + y ;"
//! window ZEPWATCH
//! lvfind 303 0 "score" 1 "12"
//! lvfind 301 0 "INIT" 3 "実行中"
//! window ZEP2
//! command 32800
//! nowindow RUN
//! statustext 2 "エラーで止まりました"
//! ctlselected 200 200 "x = score + y ;"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
