// F6 pauses a running program before its next statement; a click on its
// window while it waits runs nothing until F5, and then runs once.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "TIMER {\rt = t + 1 ;\r}\rLBUTTONDOWN {\rc = c + 1 ;\r}\rCREATE {\rSetTimer(50) ;\rSetWinSize(200, 100) ;\r}\rINIT {\rt = 0 ;\rc = 0 ;\r}\r"
//! ctlcontains 200 200 "c = 0 ;\r\n}"
//! command 32799
//! window ZEPWATCH
//! window ZEP2
//! command 32781
//! window RUN
//! window ZEP2
//! press "0x75"
//! statustext 2 "一時停止中 (2 行)"
//! window RUN
//! click 20 20
//! sleep 300
//! window ZEPWATCH
//! lvcount 301 2
//! lvfind 303 0 "c" 1 "0"
//! window ZEP2
//! press "0x74"
//! statustext 2 "実行中"
//! window ZEPWATCH
//! lvfind 301 0 "LBUTTONDOWN" 1 "1"
//! lvfind 303 0 "c" 1 "1"
//! window ZEP2
//! press "shift+0x74"
//! statustext 2 "実行を終えました"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
