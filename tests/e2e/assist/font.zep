// The font assist: the Shift-JIS font families in a sorted list, the first
// selected with the focus and the normal style; a face and a style give
// SetFont with the style's number, the check box the face alone. Each
// opening starts again at the normal style, writing the whole command.
// (The IPA fonts are those that tools/install-deps installs.)
//! cmdline font font
//! window #32770 "フォントの設定"
//! hastext "　SetFont( \"FontName\" , sw )  ;     フォントを設定する"
//! itemfocus 205
//! defbutton 1003
//! itemcheck 201 1
//! itemselected 205 "@IPA Pゴシック"
//! rect 14 268 8 32 FFFFFF
//! itemchoose 205 "IPA明朝"
//! itemselected 205 "IPA明朝"
//! itemclick 203
//! itemcheck 203 1
//! itemcheck 201 0
//! itemclick 1003
//! gone
//! window ZEPASSIST "result 1003"
//! itemtext 200 "SetFont(\"IPA明朝\",2) ;\r\n"
//! window #32770 "フォントの設定"
//! itemcheck 201 1
//! itemcheck 203 0
//! itemcheck 1024 0
//! itemchoose 205 "IPAゴシック"
//! itemclick 1024
//! itemcheck 1024 1
//! setclipboard "before"
//! itemclick 1004
//! gone
//! window ZEPASSIST "result 1004"
//! clipboard "IPAゴシック"
//! itemtext 200 "SetFont(\"IPA明朝\",2) ;\r\n"
//! close
//! exit 0
