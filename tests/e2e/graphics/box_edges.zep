// Box covers its rectangle without the right and bottom edges; a negative
// inside colour leaves the inside alone; -0 is a solid black outline.
//! window RUN "四角"
//! rect 0 0 10 1 000000
//! rect 0 9 10 1 000000
//! rect 0 0 1 10 000000
//! rect 9 0 1 10 000000
//! rect 1 1 8 8 FFFFFF
//! rect 10 0 1 11 FF0000
//! rect 0 10 11 1 FF0000
//! rect 20 0 10 1 FF00FF
//! rect 21 1 8 8 FF0000
//! rect 40 0 10 1 FF00FF
//! rect 41 1 8 8 FF0000
//! rect 60 0 30 1 000000
//! rect 60 29 30 1 000000
//! rect 61 1 28 28 FFFF00
//! close
//! exit 0
CREATE { SetCaption("四角") ; SetWinSize(200,100) ; }
PAINT {
  FullPaint(2) ;
  Box(0,0,10,10,0,7) ;
  Box(20,0,30,10,3,-1) ;
  Box(40,0,50,10,3,-200) ;
  Box(60,0,90,30,-0,6) ;
}
