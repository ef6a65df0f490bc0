// SIZE and MOVE update WIN_X, WIN_Y, WIN_L and WIN_T.
//! window RUN "大きさ"
//! resize 150 120
//! moveto 400 300
//! click 5 5
//! box "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : OK_SIZE_MOVE\r\n\r\nサブルーチンが見つかりません"
//! exit 0
CREATE { SetCaption("大きさ") ; SetWinSize(300, 250) ; }
LBUTTONDOWN {
  if (WIN_X < 150) { if (WIN_Y < 120) { if (WIN_L >= 400) { if (WIN_T >= 300) { call("OK_SIZE_MOVE") ; } } } }
  call("BAD_SIZE_MOVE") ;
}
