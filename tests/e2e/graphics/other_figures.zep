// RBox rounds its corners, FBox joins four points (a crossed outline fills
// its two wedges), Triangle three, Circle is inscribed in its rectangle.
//! window RUN "図形"
//! pixel 1 1 FFFFFF
//! pixel 50 0 000000
//! pixel 50 50 0000FF
//! pixel 0 50 000000
//! pixel 110 50 FF0000
//! pixel 190 50 FF0000
//! pixel 150 10 FFFFFF
//! pixel 150 90 FFFFFF
//! pixel 210 10 00FF00
//! pixel 290 90 FFFFFF
//! pixel 240 40 00FF00
//! pixel 50 150 00FFFF
//! pixel 2 102 FFFFFF
//! pixel 97 197 FFFFFF
//! pixel 50 100 000000
//! pixel 50 199 000000
//! pixel 50 200 FFFFFF
//! close
//! exit 0
CREATE { SetCaption("図形") ; SetWinSize(380,260) ; }
PAINT {
  FullPaint(7) ;
  RBox(0,0,100,100,40,40,0,1) ;
  FBox(100,0,200,100,200,0,100,100,0,2) ;
  Triangle(200,0,300,0,200,100,0,4) ;
  Circle(0,100,100,200,0,5) ;
}
