// SetPal changes the colour that later drawing uses; what was drawn before
// keeps its colour.
//! window RUN "パレット"
//! rect 0 0 20 20 0000FF
//! rect 30 0 20 20 FF8000
//! rect 60 0 20 20 010203
//! close
//! exit 0
CREATE { SetCaption("パレット") ; SetWinSize(200,100) ; }
PAINT {
  SetPal(1,0,0,255) ;
  FullPaint(7) ;
  Box(0,0,20,20,1,1) ;
  SetPal(1,255,128,0) ;
  Box(30,0,50,20,1,1) ;
  SetPal(15,1,2,3) ;
  Box(60,0,80,20,15,15) ;
}
