// The window style assist: each opening starts at style 0 with the focus on
// it; a click selects one of the seven and clears the others; the arrow
// keys move through all seven.
//! cmdline style style style
//! window #32770 "ウィンドウスタイル"
//! hastext "   SetWinStyle(type)  ; 　ウィンドウのスタイルを設定する"
//! hastext "   SetWinStyleOption(type,opt,opt)  ; 　外形を設定する"
//! itemcheck 300 1
//! itemfocus 300
//! defbutton 1003
//! itemclick 304
//! itemcheck 304 1
//! itemcheck 300 0
//! itemclick 1003
//! gone
//! window ZEPASSIST "result 1003"
//! itemtext 200 "SetWinStyle(4) ;\r\n"
//! window #32770 "ウィンドウスタイル"
//! itemcheck 300 1
//! itemcheck 304 0
//! itemclick 306
//! itemcheck 306 1
//! itemcheck 300 0
//! setclipboard "before"
//! itemclick 1004
//! gone
//! window ZEPASSIST "result 1004"
//! clipboard "SetWinStyleOption(2,80,80) ;\r\n"
//! window #32770 "ウィンドウスタイル"
//! itemfocus 300
//! focuskey 0x28
//! itemcheck 301 1
//! itemcheck 300 0
//! focuskey 0x0D
//! gone
//! window ZEPASSIST "result 1003"
//! itemtext 200 "SetWinStyle(4) ;\r\nSetWinStyle(1) ;\r\n"
//! close
//! exit 0
