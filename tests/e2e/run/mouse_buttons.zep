// Right and middle buttons and double clicks run their own sections.
//! window RUN "ボタン"
//! click 10 10 right
//! click 10 10 middle
//! dblclick 10 10 left
//! box "ZEP Error" "サブルーチン : LBUTTONDBLCLK\r\n\r\n コマンド : OK_BUTTONS\r\n\r\nサブルーチンが見つかりません"
//! exit 0
CREATE { SetCaption("ボタン") ; SetWinSize(200, 150) ; }
INIT { r = 0 ; m = 0 ; l = 0 ; ru = 0 ; mu = 0 ; }
RBUTTONDOWN { r = r + 1 ; }
RBUTTONUP { ru = ru + 1 ; }
MBUTTONDOWN { m = m + 1 ; }
MBUTTONUP { mu = mu + 1 ; }
LBUTTONDOWN { l = l + 1 ; }
LBUTTONDBLCLK {
  if (r == 1) { if (ru == 1) { if (m == 1) { if (mu == 1) { if (l == 1) { call("OK_BUTTONS") ; } } } } }
  call("BAD_BUTTONS") ;
}
