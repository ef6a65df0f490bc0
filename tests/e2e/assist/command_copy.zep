// "コピー" ends the command assist and puts the entry, with the same line
// ends as a paste, on the clipboard; the editor's text stays as it was.
//! cmdline command
//! setclipboard "before"
//! window #32770 "コマンド　アシスト"
//! itemselect 1008 13
//! itemselect 1002 5
//! itemtext 1017 "タイマーの設定時間ごとに実行される"
//! itemclick 1004
//! gone
//! window ZEPASSIST "result 1004"
//! clipboard "TIMER\r\n{\r\n\r\n}\r\n"
//! itemtext 200 ""
//! close
//! exit 0
