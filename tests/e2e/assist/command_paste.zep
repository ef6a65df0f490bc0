// "貼り付け" writes the entry into the editor's text and leaves the dialog
// open: a reserved section comes with an empty block and a line end, a
// reserved variable alone, twice when pasted twice; Enter in the list
// pastes as the default button does.
//! cmdline command
//! window #32770 "コマンド　アシスト"
//! itemselect 1008 13
//! itemcount 1002 24
//! itemselected 1002 "CREATE"
//! itemfocus 1002
//! itemselect 1002 5
//! itemtext 1017 "タイマーの設定時間ごとに実行される"
//! itemclick 1003
//! itemselect 1008 14
//! itemselected 1002 "MOUSE_X"
//! itemtext 1017 "マウスのＸ座標"
//! itemclick 1003
//! itemclick 1003
//! window ZEPASSIST "assist"
//! itemtext 200 "TIMER\r\n{\r\n\r\n}\r\nMOUSE_XMOUSE_X"
//! window #32770 "コマンド　アシスト"
//! itemselect 1008 3
//! itemselected 1002 "OpenFileRead(\"FileName\") ;"
//! focuskey 0x28
//! itemselected 1002 "OpenFileWrite(\"FileName\") ;"
//! itemtext 1017 "ファイルを書き込み用に開く（中身は消える）"
//! focuskey 0x0D
//! window ZEPASSIST "assist"
//! itemtext 200 "TIMER\r\n{\r\n\r\n}\r\nMOUSE_XMOUSE_XOpenFileWrite(\"FileName\") ;\r\n"
//! window #32770 "コマンド　アシスト"
//! itemclick 1005
//! gone
//! window ZEPASSIST "result 1005"
//! close
//! exit 0
