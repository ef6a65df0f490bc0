// The assists from the editor's アシスト menu: the command assist opens at
// "グラフィック" with Box selected, pastes TIMER and MOUSE_X into the
// editor's text at the caret, and its "コピー" leaves the text as it is;
// the palette assist pasted at once adds its SetPal line.
//! cmdline
//! setclipboard "before"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! command 32780
//! window #32770 "コマンド　アシスト"
//! itemselected 1008 "グラフィック"
//! itemselected 1002 "Box(XL,YT,XR,YB,OC,IC) ;"
//! itemtext 1017 "長方形、正方形を描く"
//! itemselect 1008 13
//! itemselect 1002 5
//! itemclick 1003
//! itemselect 1008 14
//! itemselected 1002 "MOUSE_X"
//! itemclick 1003
//! itemclick 1005
//! gone
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltext 200 200 "TIMER\r\n{\r\n\r\n}\r\nMOUSE_X"
//! command 32780
//! window #32770 "コマンド　アシスト"
//! itemselect 1008 13
//! itemselect 1002 5
//! itemclick 1004
//! gone
//! clipboard "TIMER\r\n{\r\n\r\n}\r\n"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltext 200 200 "TIMER\r\n{\r\n\r\n}\r\nMOUSE_X"
//! command 132
//! window #32770 "パレットの設定"
//! itemclick 1003
//! gone
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltext 200 200 "TIMER\r\n{\r\n\r\n}\r\nMOUSE_XSetPal(n,255,200,255) ;\r\n"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
