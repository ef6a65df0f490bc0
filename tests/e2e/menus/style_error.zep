// SetMenuStyle reaches only the first 16 IDs of a single title: item 16
// gives "メニューが無効です" and ends the run.
//! box "ZEP Error" "サブルーチン : INIT\r\n\r\n コマンド : SetMenuStyle\r\n\r\nメニューが無効です"
//! exit 0
CREATE {
  SetCaption("限度") ; SetWinSize(200, 100) ; Menu("M") ;
  loop(15) { PopupMenu("x") ; }
  PopupMenu("i16") ; PopupMenu("i17") ;
}
INIT { SetMenuStyle("x", 1, 0) ; SetMenuStyle("i16", 1, 0) ; }
