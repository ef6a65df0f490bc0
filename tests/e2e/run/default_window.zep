// A script without CREATE opens at (40,40) with the default caption and size.
//! window RUN "実行中"
//! windowpos 40 40
//! rect 0 0 50 50 FFFFFF
//! click 5 5
//! box "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : OK_DEFAULTS\r\n\r\nサブルーチンが見つかりません"
//! gone
//! exit 0
LBUTTONDOWN {
  if (SCR_X - 80 == w) { if (SCR_Y - 80 == h) { call("OK_DEFAULTS") ; } }
  call("BAD_SIZE") ;
}
INIT {
  w = WIN_X ; h = WIN_Y ;
}
