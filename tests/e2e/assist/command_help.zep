// "詳細（ヘルプ）" opens the reference window at the entry of the chosen
// keyword (the text before its first parenthesis or brace); the dialog
// stays open, and the window stays when the dialog closes.
//! cmdline command
//! window #32770 "コマンド　アシスト"
//! itemselect 1008 12
//! itemselected 1002 "loop(n){ 処理内容 }"
//! itemclick 1009
//! window ZEPHELP "ZEP リファレンス - loop"
//! ctlcontains 400 200 "loop(n){ 処理内容 }"
//! window #32770 "コマンド　アシスト"
//! itemselect 1008 3
//! itemselect 1002 4
//! itemselected 1002 "CloseFile ;"
//! itemclick 1009
//! window ZEPHELP "ZEP リファレンス - CloseFile"
//! window #32770 "コマンド　アシスト"
//! itemclick 1005
//! gone
//! window ZEPASSIST "result 1005"
//! itemtext 200 ""
//! windows ZEPHELP 1
//! close
//! exit 0
