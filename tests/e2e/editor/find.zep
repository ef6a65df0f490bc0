// Find down selects the next match of the search box's string after the
// caret, also after double-byte text (the control counts characters, the
// search bytes); it says so when there is no further match; the box's list
// keeps the strings searched for, the latest first, each once.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! command 32771
//! dialog "開く"
//! dialogfile "files/hello.zep"
//! title "ZEP - [hello.zep]"
//! ctlselect 200 200 0 0
//! ctlsettext 200 10 "表示"
//! ctlclick 349 15
//! ctlselected 200 200 "表示"
//! ctlselection 200 200 8 10
//! ctlclick 349 15
//! ctlselection 200 200 113 115
//! ctlselected 200 200 "表示"
//! ctlclick 349 15
//! box! "ZEP Error" "検索文字列が見つかりません"
//! ctlselection 200 200 113 115
//! ctlsettext 200 10 "Print"
//! ctlselect 200 200 0 0
//! ctlclick 349 15
//! ctlselected 200 200 "Print"
//! ctlsettext 200 10 "表示"
//! ctlclick 349 15
//! ctlitems 200 10 "表示|Print"
//! close
//! exit 0
