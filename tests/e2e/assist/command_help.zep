// "詳細（ヘルプ）" opens the reference beside the program at the anchor of
// the entry's keyword (the text before its first parenthesis or brace),
// through a page in the temporary folder; the dialog stays open.
//! cmdline command
//! delete "{temp}\\zep-reference-open.html"
//! window #32770 "コマンド　アシスト"
//! itemselect 1008 12
//! itemselected 1002 "loop(n){ 処理内容 }"
//! itemclick 1009
//! window ZEPASSIST "open {temp}\\zep-reference-open.html"
//! filehas "{temp}\\zep-reference-open.html" "zep-reference.html#loop\""
//! filehas "{exedir}\\zep-reference.html" "id=\"loop\""
//! delete "{temp}\\zep-reference-open.html"
//! window #32770 "コマンド　アシスト"
//! itemselect 1008 3
//! itemselect 1002 4
//! itemselected 1002 "CloseFile ;"
//! itemclick 1009
//! filehas "{temp}\\zep-reference-open.html" "zep-reference.html#CloseFile\""
//! filehas "{exedir}\\zep-reference.html" "id=\"CloseFile\""
//! itemclick 1005
//! gone
//! window ZEPASSIST "result 1005"
//! itemtext 200 ""
//! close
//! exit 0
