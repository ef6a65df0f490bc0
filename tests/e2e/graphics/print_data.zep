// PrintData writes the same pixels as Print of the expected text: 3.14159
// with 2 decimals is "3.14", 1.999 is "2.00", -0.5 with 1 is "-0.5", 1.056
// is "1.05", -0.25 with 0 is "-0", 7 with 1 is "7.0", 1.125 is "1.13".
// The last pair must differ, so that the comparison itself can fail.
//! window RUN "数値"
//! rect 0 150 20 20 00FF00
//! close
//! exit 0
CREATE { SetCaption("数値") ; SetWinSize(260,200) ; }
PAINT {
  FullPaint(7) ;
  Print(0,0,0,0,16,0,"3.14") ;      PrintData(100,0,0,0,16,0,2,3.14159) ;
  Print(0,20,0,0,16,0,"2.00") ;     PrintData(100,20,0,0,16,0,2,1.999) ;
  Print(0,40,0,0,16,0,"-0.5") ;     PrintData(100,40,0,0,16,0,1,-1/2) ;
  Print(0,60,0,0,16,0,"1.05") ;     PrintData(100,60,0,0,16,0,2,1.056) ;
  Print(0,80,0,0,16,0,"-0") ;       PrintData(100,80,0,0,16,0,0,-0.25) ;
  Print(0,100,0,0,16,0,"7.0") ;     PrintData(100,100,0,0,16,0,1,7) ;
  Print(0,120,0,0,16,0,"1.13") ;    PrintData(100,120,0,0,16,0,2,1.125) ;
  Print(0,140,0,0,16,0,"3.15") ;    PrintData(100,140,0,0,16,0,2,3.14159) ;
  row = 0 ;
  loop(7) {
    y0 = row * 20 ;
    call("COMPARE") ;
    if (differ != 0) { call("FAIL_PrintData_row") ; }
    row = row + 1 ;
  }
  y0 = 140 ;
  call("COMPARE") ;
  if (differ == 0) { call("FAIL_compare_cannot_fail") ; }
  Box(0,150,20,170,4,4) ;
}
// Counts the pixels of (0,y0)-(80,y0+16) that differ from (100,y0)-(180,y0+16).
COMPARE {
  differ = 0 ;
  yy = 0 ;
  loop(16) {
    xx = 0 ;
    loop(80) {
      if (GetPixelR(xx,y0 + yy) != GetPixelR(xx + 100,y0 + yy)) { differ = differ + 1 ; }
      xx = xx + 1 ;
    }
    yy = yy + 1 ;
  }
}
