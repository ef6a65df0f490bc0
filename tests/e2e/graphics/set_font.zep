// SetFont's style lasts for later text: bold (2) puts more ink on the same
// letters than normal (0); a style of 4 fails with code 16.
//! window RUN "フォント"
//! rect 200 0 20 20 00FF00
//! click 100 80
//! box "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : SetFont\r\n\r\nパラメータの値が無効です"
//! exit 0
CREATE { SetCaption("フォント") ; SetWinSize(260,120) ; }
PAINT {
  FullPaint(7) ;
  SetFont("ＭＳ ゴシック",0) ;
  Print(0,0,0,0,24,0,"WWMM") ;
  SetFont("ＭＳ ゴシック",2) ;
  Print(0,30,0,0,24,0,"WWMM") ;
  y0 = 0 ;
  call("INK") ;
  normal = ink ;
  y0 = 30 ;
  call("INK") ;
  if (normal < 20) { call("FAIL_no_text") ; }
  if (ink <= normal) { call("FAIL_bold_not_heavier") ; }
  Box(200,0,220,20,4,4) ;
}
LBUTTONDOWN { SetFont("x",4) ; }
// Counts the black pixels of (0,y0)-(120,y0+24).
INK {
  ink = 0 ;
  yy = 0 ;
  loop(24) {
    xx = 0 ;
    loop(120) {
      if (GetPixelR(xx,y0 + yy) == 0) { ink = ink + 1 ; }
      xx = xx + 1 ;
    }
    yy = yy + 1 ;
  }
}
