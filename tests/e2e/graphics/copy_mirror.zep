// A negative destination width mirrors left to right with the origin moved
// to X2 + |W2| - 2; a negative height mirrors top to bottom with the origin
// at Y2 + |H2| - 1. The source square has a red left bar, a green right bar,
// a blue top bar and a yellow bottom bar, each 5 pixels wide.
//! window RUN "鏡"
//! rect 144 10 5 30 FF0000
//! rect 99 10 5 30 00FF00
//! pixel 98 20 FFFFFF
//! pixel 149 20 FFFFFF
//! rect 104 0 40 5 0000FF
//! rect 205 45 40 5 0000FF
//! rect 205 0 40 5 FFFF00
//! pixel 220 50 FFFFFF
//! rect 200 10 5 30 FF0000
//! close
//! exit 0
CREATE { SetCaption("鏡") ; SetWinSize(300,100) ; }
PAINT {
  FullPaint(7) ;
  Box(0,0,50,5,1,1) ;
  Box(0,45,50,50,6,6) ;
  Box(0,0,5,50,2,2) ;
  Box(45,0,50,50,4,4) ;
  CopyBMP(1,0,0,50,50,1,100,0,-50,50,0) ;
  CopyBMP(1,0,0,50,50,1,200,0,50,-50,0) ;
}
