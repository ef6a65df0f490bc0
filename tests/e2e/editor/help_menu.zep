// The help menu opens the reference window: 目次 at its contents,
// キーワードで検索 at its search box, where typing searches at once and
// Enter opens the first entry found, and
// はじめてのZEP at the guide's first page, whose links lead through its
// chapters. One window serves them all.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! command 32786
//! window ZEPHELP "ZEP リファレンス - 目次"
//! ctlcontains 400 200 "分類\r\nグラフィック\r\n３Ｄグラフィック\r\n"
//! window ZEP2
//! command 32787
//! window ZEPHELP "ZEP リファレンス - 目次"
//! itemfocus 2301
//! typeunicode "マウス"
//! window ZEPHELP "ZEP リファレンス - 検索：マウス"
//! ctlcontains 400 200 "MOUSE_X　"
//! focuskey 0x0D
//! window ZEPHELP "ZEP リファレンス - LBUTTONDOWN"
//! window ZEP2
//! command 32798
//! window ZEPHELP "ZEP リファレンス - はじめてのZEP"
//! ctlcontains 400 200 "プログラムを書いたことがない人のための、ZEP の入門です。"
//! ctllink 400 200 "2. はじめてのプログラム"
//! window ZEPHELP "ZEP リファレンス - 2. はじめてのプログラム"
//! ctlcontains 400 200 "CREATE {\r\n  SetCaption(\"はじめてのZEP\") ;"
//! windows ZEPHELP 1
//! close
//! window ZEP2
//! close
//! exit 0
