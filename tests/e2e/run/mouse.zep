// Mouse sections see the position of the last mouse move.
//! window RUN "マウス"
//! mousemove 30 40
//! click 30 40
//! box "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : OK_LEFT\r\n\r\nサブルーチンが見つかりません"
//! exit 0
CREATE { SetCaption("マウス") ; SetWinSize(200, 150) ; }
MOUSEMOVE { moved = moved + 1 ; }
INIT { moved = 0 ; up = 0 ; }
LBUTTONDOWN {
  if (MOUSE_X == 30) { if (MOUSE_Y == 40) { if (moved >= 1) { call("OK_LEFT") ; } } }
  call("BAD_LEFT") ;
}
