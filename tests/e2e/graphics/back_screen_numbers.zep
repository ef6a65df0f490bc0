// With a back screen, 0 names it and every other number (-1 too) the front.
// FullPaint on a back screen larger than the window covers only the
// client-sized part.
//! window RUN "画面番号"
//! rect 0 0 20 20 FF0000
//! rect 30 0 20 20 00FF00
//! rect 100 0 20 20 00FF00
//! notpixel 65 5 FF0000
//! notpixel 65 5 FFFFFF
//! close
//! exit 0
CREATE { SetCaption("画面番号") ; SetWinSize(200,100) ; SubScreen(600,400) ; }
PAINT {
  SelectScreen(0) ;
  FullPaint(2) ;
  SelectScreen(1) ;
  FullPaint(7) ;
  CopyBMP(0,0,0,20,20,1,0,0,20,20,0) ;
  Box(30,0,50,20,4,4) ;
  CopyBMP(-1,30,0,20,20,0,300,300,20,20,0) ;
  CopyBMP(0,580,380,20,20,1,60,0,20,20,0) ;
  CopyBMP(0,300,300,20,20,1,100,0,20,20,0) ;
}
