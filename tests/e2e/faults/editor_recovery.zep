//! cmdline --zep-test-fault=access:INIT
// A processor fault while the editor is open: its unsaved text is written
// to the recovery folder first, and the box says where.
//! delete {appdata}\ZEP\recovery\NONAME.ZEP
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE{SetCaption(\"fault\");}INIT{a=1;}"
//! command 32781
//! box "ZEP Error" "内部エラーが起きました（C0000005）。\r\nサブルーチン : INIT\r\n\r\n編集中のプログラムを次のファイルに保存しました。\r\n{appdata}\\ZEP\\recovery\\NONAME.ZEP"
//! exit 3
//! file {appdata}\ZEP\recovery\NONAME.ZEP "CREATE{SetCaption(\"fault\");}INIT{a=1;}"
