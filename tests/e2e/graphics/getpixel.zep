// GetPixelR/G/B read back the channels of a pixel, as functions and as
// statements (through ANSWER); outside the window every channel is 255.
//! window RUN "画素"
//! pixel 3 4 FF0000
//! rect 20 20 20 20 00FF00
//! close
//! exit 0
CREATE { SetCaption("画素") ; SetWinSize(200,100) ; }
PAINT {
  FullPaint(7) ;
  Point(3,4,2) ;
  if (GetPixelR(3,4) != 255) { call("FAIL_GetPixelR") ; }
  if (GetPixelG(3,4) != 0) { call("FAIL_GetPixelG") ; }
  if (GetPixelB(3,4) != 0) { call("FAIL_GetPixelB") ; }
  SetPal(9,10,20,30) ;
  Point(5,5,9) ;
  GetPixelG(5,5) ;
  if (ANSWER != 20) { call("FAIL_ANSWER") ; }
  if (GetPixelR(5,5) + GetPixelB(5,5) != 40) { call("FAIL_channels") ; }
  if (GetPixelB(-1,-1) != 255) { call("FAIL_outside") ; }
  if (GetPixelR(6,6) != 255) { call("FAIL_white") ; }
  Box(20,20,40,40,4,4) ;
}
