// The command assist opens at "グラフィック" with the first entry selected
// and described; the category box has the focus, "貼り付け" is the default
// button, and Escape closes the dialog as "閉じる" does, pasting nothing.
//! cmdline command
//! window #32770 "コマンド　アシスト"
//! itemselected 1008 "グラフィック"
//! itemcount 1008 15
//! itemselected 1002 "Box(XL,YT,XR,YB,OC,IC) ;"
//! itemcount 1002 25
//! itemtext 1017 "長方形、正方形を描く"
//! itemfocus 1008
//! defbutton 1003
//! hastext "エディッタへ"
//! hastext "クリップボードへ"
//! hastext "詳細（ヘルプ）"
//! focuskey 0x1B
//! gone
//! window ZEPASSIST "result 1005"
//! itemtext 200 ""
//! close
//! exit 0
