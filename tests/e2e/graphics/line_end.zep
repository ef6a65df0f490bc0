// Line paints from its first point up to, but not including, the second,
// in either direction.
//! window RUN "線"
//! rect 0 0 10 1 FF0000
//! pixel 10 0 FFFFFF
//! rect 20 5 1 10 0000FF
//! pixel 20 15 FFFFFF
//! pixel 40 20 00FF00
//! pixel 31 20 00FF00
//! pixel 30 20 FFFFFF
//! pixel 20 4 FFFFFF
//! close
//! exit 0
CREATE { SetCaption("線") ; SetWinSize(200,100) ; }
PAINT {
  FullPaint(7) ;
  Line(0,0,10,0,2) ;
  Line(20,5,20,15,1) ;
  Line(40,20,30,20,4) ;
}
