// New offers the standard program: Yes pastes its 505 bytes with the caret
// at the top, which is a change, so closing asks first. New on the changed
// text asks before dropping it; No drops it, and No to the program leaves
// an empty text that closes without a question.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! command 32789
//! boxpress "新規作成" "標準的な\nＺＥＰプログラムを\n貼付けますか？" "yes"
//! ctltext 200 200 "// 一定時間ごとの処理\r\nTIMER\r\n{\r\n\r\n}\r\n\r\n// 左ボタンが押された時の処理\r\nLBUTTONDOWN\r\n{\r\n\r\n}\r\n\r\n// 標準のウィンドウ内の描画\r\nPAINT\r\n{\r\n\r\n}\r\n\r\n// プログラムの初期設定\r\nCREATE\r\n{\r\n\tSetWinStyle(2) ; // ウインドウスタイル\r\n\tSetWinSize(400,300) ; // ウインドウサイズ\r\n\tSetCaption(\"ＺＥＰプログラム\") ; // キャプションタイトル\r\n\r\n\t// メニューの設定\r\n\tMenu(\"ﾌｧｲﾙ(&F)\") ;\r\n\tPopupMenuEX(\"閉じる\",\"ID_end\") ;\r\n\r\n\tSetTimer(1000) ; // タイマー時間の設定\r\n}\r\n\r\n// メニューの処理\r\nID_end\r\n{\r\n\tend ; // プログラム終了\r\n}\r\n"
//! ctlselection 200 200 0 0
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "cancel"
//! running
//! command 32789
//! boxpress "新規作成" "編集中のデータは変更されています\n消去する前に保存しますか？" "no"
//! boxpress "新規作成" "標準的な\nＺＥＰプログラムを\n貼付けますか？" "no"
//! ctltext 200 200 ""
//! title "ZEP - [NONAME.ZEP]"
//! close
//! exit 0
