// Copying 2 x 1 pixels to 4 x 2 doubles each pixel; 50 x 50 to 100 x 100
// doubles a square.
//! window RUN "拡大"
//! rect 100 0 2 2 FF0000
//! rect 102 0 2 2 0000FF
//! pixel 104 0 FFFFFF
//! pixel 100 2 FFFFFF
//! rect 100 20 100 20 00FF00
//! rect 100 40 100 60 FFFF00
//! close
//! exit 0
CREATE { SetCaption("拡大") ; SetWinSize(260,120) ; }
PAINT {
  FullPaint(7) ;
  Point(0,0,2) ;
  Point(1,0,1) ;
  CopyBMP(1,0,0,2,1,1,100,0,4,2,0) ;
  Box(0,20,50,30,4,4) ;
  Box(0,30,50,70,6,6) ;
  CopyBMP(1,0,20,50,50,1,100,20,100,100,0) ;
}
