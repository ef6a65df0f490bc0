//! cmdline --zep-test-recovery-ms=300 --zep-test-fault=access:INIT
// After a fault the editor's text goes into the recovery copy the editor
// keeps (here the one it restored when it started), not into a new one
// named after the document.
//! setupfile {appdata}\ZEP\recovery\lost.zep "CREATE{SetCaption(\"fault\");}"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! boxpress "復元" "前回、保存されていないプログラムが残っています（lost.zep）。\n復元しますか？" "yes"
//! ctltext 200 200 "CREATE{SetCaption(\"fault\");}"
//! ctltype 200 200 "INIT{a=1;}"
//! ctltext 200 200 "INIT{a=1;}CREATE{SetCaption(\"fault\");}"
//! command 32781
//! box "ZEP Error" "内部エラーが起きました（C0000005）。\r\nサブルーチン : INIT\r\n\r\n編集中のプログラムを次のファイルに保存しました。\r\n{appdata}\\ZEP\\recovery\\lost.zep"
//! exit 3
//! file {appdata}\ZEP\recovery\lost.zep "INIT{a=1;}CREATE{SetCaption(\"fault\");}"
//! nofile {appdata}\ZEP\recovery\NONAME.ZEP
