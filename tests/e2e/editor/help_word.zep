// F1 opens the reference window at the name at the caret (or just before
// it): Box, MOUSE_X and TIMER at their entries, with their syntax and what
// they mean; a name the reference does not know at the search for it,
// which a Japanese word then finds. Links of an entry open a copy of an
// example that uses it, and of the entry's own short example.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "TIMER {\rBox(MOUSE_X, 1) ;\rBoxx(1) ;"
//! ctltext 200 200 "TIMER {\r\n\tBox(MOUSE_X, 1) ;\r\n\tBoxx(1) ;"
//! ctlselect 200 200 11 11
//! press "0x70"
//! window ZEPHELP "ZEP リファレンス - Box"
//! ctlcontains 400 200 "Box(XL,YT,XR,YB,OC,IC) ;\r\n長方形、正方形を描く"
//! ctlcontains 400 200 "OC　枠の色（パレット番号 -15～15、負の数は点線）"
//! ctlcontains 400 200 "23　パラメータの数が違います"
//! window ZEP2
//! ctlselect 200 200 20 20
//! press "0x70"
//! window ZEPHELP "ZEP リファレンス - MOUSE_X"
//! ctlcontains 400 200 "式の中で読む予約変数です。"
//! window ZEP2
//! ctlselect 200 200 3 3
//! press "0x70"
//! window ZEPHELP "ZEP リファレンス - TIMER"
//! ctlcontains 400 200 "イベントが起きると実行されるサブルーチン"
//! window ZEP2
//! ctlselect 200 200 33 33
//! press "0x70"
//! window ZEPHELP "ZEP リファレンス - 検索：Boxx"
//! ctltext 100 14 "Boxx"
//! ctlcontains 400 200 "「Boxx」の検索\r\n見つかりません。"
//! typeunicode "長方形"
//! ctltext 100 14 "長方形"
//! ctlcontains 400 200 "「長方形」の検索\r\nBox　長方形、正方形を描く\r\n"
//! ctllink 400 200 "Box　"
//! window ZEPHELP "ZEP リファレンス - Box"
//! ctllink 400 200 "はじめてのZEP"
//! boxpress "ファイルを開く" "編集中のデータは変更されています\n他のファイルを開く前に保存しますか？" "no"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctlcontains 200 200 "// はじめてのZEP："
//! window ZEPHELP "ZEP リファレンス - Box"
//! ctlcontains 400 200 "例\r\n// 四角を描きます。"
//! ctllink 400 200 "この例を新しい文書で開く"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltext 200 200 "// 四角を描きます。数を変えて、大きさや色を変えてみよう\r\nPAINT {\r\n  Box(20, 20, 140, 100, 0, 6) ;\r\n  Box(160, 20, 220, 140, 2, -1) ;\r\n}\r\n"
//! close
//! exit 0
