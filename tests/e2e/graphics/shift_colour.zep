// ShiftBMPColor scales each channel of (200,100,1): 50 % gives (100,50,0),
// 300 % gives (255,255,3), -50 % gives (156,206,0) (-100 and -50 keep their
// low 8 bits), 100 % copies; the source may be the back screen.
//! window RUN "色変換"
//! rect 0 0 10 10 C86401
//! rect 20 0 10 10 643200
//! rect 40 0 10 10 FFFF03
//! rect 60 0 10 10 9CCE00
//! rect 80 0 10 10 C86401
//! rect 100 0 10 10 000000
//! rect 120 0 10 10 1E0A00
//! close
//! exit 0
CREATE { SetCaption("色変換") ; SetWinSize(200,100) ; SubScreen(50,50) ; }
PAINT {
  SetPal(1,200,100,1) ;
  FullPaint(7) ;
  Box(0,0,10,10,1,1) ;
  ShiftBMPColor(1,0,0,10,10,1,20,0,50) ;
  ShiftBMPColor(1,0,0,10,10,1,40,0,300) ;
  ShiftBMPColor(1,0,0,10,10,1,60,0,-50) ;
  ShiftBMPColor(1,0,0,10,10,1,80,0,100) ;
  ShiftBMPColor(1,0,0,10,10,1,100,0,0) ;
  SelectScreen(0) ;
  SetPal(2,60,20,1) ;
  Box(0,0,10,10,2,2) ;
  SelectScreen(1) ;
  ShiftBMPColor(0,0,0,10,10,1,120,0,50) ;
}
