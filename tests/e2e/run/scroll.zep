// The window's own scroll bar: line moves clamp at 0 and the range, thumb sets.
//! window RUN "スクロール"
//! hscroll 0
//! hscroll 1
//! hscroll 1
//! hscroll 1
//! hscroll 4 7
//! vscroll 4 99
//! vscroll 2
//! click 5 5
//! box "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : OK_SCROLL\r\n\r\nサブルーチンが見つかりません"
//! exit 0
CREATE { SetCaption("スクロール") ; SetWinSize(200, 150) ; SetScrollBar(2, 50) ; }
INIT { h = 0 ; v = 0 ; }
HSCROLLBAR { h = h + 1 ; }
VSCROLLBAR { v = v + 1 ; }
LBUTTONDOWN {
  if (h == 5) { if (SCROLL_H == 2) { if (v == 1) { if (SCROLL_V == 50) { call("OK_SCROLL") ; } } } }
  call("BAD_SCROLL") ;
}
