// An item before any title is refused during the load: the box names the
// command and no window opens.
//! box "ZEP Error" "サブルーチン : CREATE\r\n\r\n コマンド : PopupMenu\r\n\r\nメニューが無効です"
//! exit 0
CREATE { PopupMenu("開く") ; Menu("ﾌｧｲﾙ") ; }
