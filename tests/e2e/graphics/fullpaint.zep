// FullPaint(-2) draws a dotted red border round the whole client area and
// leaves the inside alone; FullPaint(7) before it cleared everything to white.
//! window RUN "全面"
//! rect 1 1 100 50 FFFFFF
//! rect 150 60 20 20 00FF00
//! close
//! exit 0
CREATE { SetCaption("全面") ; SetWinSize(200,100) ; }
PAINT {
  FullPaint(7) ;
  FullPaint(-2) ;
  top = 0 ;
  x = 0 ;
  loop(WIN_X) {
    if (GetPixelG(x,0) == 0) { top = top + 1 ; }
    x = x + 1 ;
  }
  right = 0 ;
  y = 0 ;
  loop(WIN_Y) {
    if (GetPixelG(WIN_X - 1,y) == 0) { right = right + 1 ; }
    y = y + 1 ;
  }
  if (top < WIN_X / 5) { call("FAIL_top_edge") ; }
  if (top > WIN_X * 4 / 5) { call("FAIL_top_not_dotted") ; }
  if (right < WIN_Y / 5) { call("FAIL_right_edge") ; }
  if (right > WIN_Y * 4 / 5) { call("FAIL_right_not_dotted") ; }
  if (GetPixelR(WIN_X, 5) != 255) { call("FAIL_beyond") ; }
  Box(150,60,170,80,4,4) ;
}
