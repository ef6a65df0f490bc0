// With a menu bar, INIT still runs first, before SIZE, MOVE and PAINT, and
// sees the creation size.
//! window RUN "順番"
//! click 3 3
//! box "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : OK_ORDER\r\n\r\nサブルーチンが見つかりません"
//! exit 0
CREATE { SetCaption("順番") ; SetWinSize(200, 150) ; Menu("ﾌｧｲﾙ(&F)") ; PopupMenu("開く") ; }
INIT { order = 1 ; iw = WIN_X ; }
SIZE { if (order == 1) { order = 2 ; } }
MOVE { if (order == 2) { order = 3 ; } }
PAINT { if (order == 3) { order = 4 ; } }
LBUTTONDOWN {
  if (order == 4) { if (iw == 200 + 2) { call("OK_ORDER") ; } }
  call("BAD_ORDER") ;
}
