// PrintCode writes the byte code modulo 256 (321 is "A"), PrintKJCode the
// double-byte character of its two bytes (136,159 is "亜"); code 0 writes
// nothing. "B" against "A" must differ, so that the comparison can fail.
//! window RUN "文字コード"
//! rect 0 100 20 20 00FF00
//! close
//! exit 0
CREATE { SetCaption("文字コード") ; SetWinSize(260,160) ; }
PAINT {
  FullPaint(7) ;
  Print(0,0,0,8,16,2,"A") ;     PrintCode(100,0,0,8,16,2,321) ;
  Print(0,20,0,0,16,2,"亜") ;   PrintKJCode(100,20,0,0,16,2,136,159) ;
  Print(0,40,0,8,16,2,"A") ;    PrintCode(100,40,0,8,16,2,66) ;
  PrintCode(100,60,0,8,16,2,0) ;
  y0 = 0 ;
  call("COMPARE") ;
  if (differ != 0) { call("FAIL_PrintCode") ; }
  y0 = 20 ;
  call("COMPARE") ;
  if (differ != 0) { call("FAIL_PrintKJCode") ; }
  y0 = 40 ;
  call("COMPARE") ;
  if (differ == 0) { call("FAIL_compare_cannot_fail") ; }
  y0 = 60 ;
  call("COMPARE") ;
  if (differ != 0) { call("FAIL_code_0_wrote") ; }
  Box(0,100,20,120,4,4) ;
}
// Counts the pixels of (0,y0)-(40,y0+16) that differ from (100,y0)-(140,y0+16).
COMPARE {
  differ = 0 ;
  yy = 0 ;
  loop(16) {
    xx = 0 ;
    loop(40) {
      if (GetPixelG(xx,y0 + yy) != GetPixelG(xx + 100,y0 + yy)) { differ = differ + 1 ; }
      xx = xx + 1 ;
    }
    yy = yy + 1 ;
  }
}
