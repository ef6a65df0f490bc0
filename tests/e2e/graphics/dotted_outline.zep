// A negative outline colour draws a dotted pen: the top edge of the box
// alternates between the pen colour and gaps, while the inside is filled.
// The script counts the runs itself; the driver checks the ends and fill.
//! window RUN "点線"
//! rect 1 1 38 38 FFFFFF
//! rect 60 60 20 20 00FF00
//! close
//! exit 0
CREATE { SetCaption("点線") ; SetWinSize(200,120) ; }
PAINT {
  FullPaint(1) ;
  Box(0,0,40,40,-4,7) ;
  Line(0,50,100,50,-2) ;
  green = 0 ;
  changes = 0 ;
  x = 0 ;
  last = GetPixelR(0,0) ;
  loop(40) {
    g = GetPixelR(x,0) ;
    if (g == 0) { green = green + 1 ; }
    if (g != last) { changes = changes + 1 ; }
    last = g ;
    x = x + 1 ;
  }
  if (green < 10) { call("FAIL_too_few_dots") ; }
  if (green > 30) { call("FAIL_not_dotted") ; }
  if (changes < 6) { call("FAIL_no_alternation") ; }
  red = 0 ;
  x = 0 ;
  loop(100) {
    if (GetPixelR(x,50) == 255) { if (GetPixelB(x,50) == 0) { red = red + 1 ; } }
    x = x + 1 ;
  }
  if (red < 20) { call("FAIL_line_too_few_dots") ; }
  if (red > 80) { call("FAIL_line_not_dotted") ; }
  Box(60,60,80,80,4,4) ;
}
