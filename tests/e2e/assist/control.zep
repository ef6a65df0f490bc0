// The control assist: eighteen types, each opening at the push button;
// "ＢＭＰボタン" gives type 1 and "リストボックス（非ソート）" type 41;
// the close box, as "ｷｬﾝｾﾙ", leaves the editor's text and the clipboard alone.
//! cmdline control control control
//! window #32770 "コントロールを選択"
//! hastext "  CreateControl(type,\"str\",\"ID_control\",x,y,w,h) ;"
//! hastext "　 1　：　ＢＭＰボタン"
//! hastext "１０１　：　シングルラインエディットコントロール"
//! itemcheck 500 1
//! itemfocus 500
//! defbutton 1003
//! itemclick 517
//! itemcheck 517 1
//! itemcheck 500 0
//! itemclick 1003
//! gone
//! window ZEPASSIST "result 1003"
//! itemtext 200 "CreateControl(1,\"str\",\"ID_control\",x,y,w,h) ;\r\n"
//! window #32770 "コントロールを選択"
//! itemcheck 500 1
//! itemclick 516
//! itemcheck 516 1
//! setclipboard "before"
//! itemclick 1004
//! gone
//! window ZEPASSIST "result 1004"
//! clipboard "CreateControl(41,\"str\",\"ID_control\",x,y,w,h) ;\r\n"
//! window #32770 "コントロールを選択"
//! itemclick 514
//! itemcheck 514 1
//! close
//! gone
//! window ZEPASSIST "result 1005"
//! clipboard "CreateControl(41,\"str\",\"ID_control\",x,y,w,h) ;\r\n"
//! itemtext 200 "CreateControl(1,\"str\",\"ID_control\",x,y,w,h) ;\r\n"
//! close
//! exit 0
