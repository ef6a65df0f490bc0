// The event strip counts each section that ran: two clicks and a double
// click on the run's window (its first click comes as LBUTTONDOWN, the
// second as LBUTTONDBLCLK).
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "CREATE {\rSetWinSize(200, 100) ;\r}\rLBUTTONDOWN {\rdown = down + 1 ;\r}\rLBUTTONDBLCLK {\rdouble = 1 ;\r}\rINIT {\rdown = 0 ;\r}\r"
//! ctlcontains 200 200 "down = 0 ;\r\n}"
//! command 32799
//! window ZEPWATCH
//! window ZEP2
//! command 32781
//! window RUN
//! click 20 20
//! click 30 30
//! dblclick 40 40
//! window ZEPWATCH
//! lvfind 301 0 "LBUTTONDOWN" 1 "3"
//! lvfind 301 0 "LBUTTONDBLCLK" 1 "1"
//! lvfind 301 0 "INIT" 1 "1"
//! lvfind 303 0 "down" 1 "3"
//! lvfind 303 0 "double" 1 "1"
//! window RUN
//! close
//! nowindow RUN
//! window ZEP2
//! statustext 2 "実行を終えました"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
