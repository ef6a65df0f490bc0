// Drawing on the back screen stays invisible until CopyBMP shows it.
//! window RUN "裏画面"
//! rect 0 0 60 60 FFFFFF
//! click 150 50
//! rect 0 0 50 50 00FF00
//! rect 50 0 10 60 0000FF
//! rect 0 50 50 10 0000FF
//! close
//! exit 0
CREATE { SetCaption("裏画面") ; SetWinSize(200,100) ; SubScreen(200,100) ; }
INIT {
  SelectScreen(0) ;
  FullPaint(1) ;
  Box(0,0,50,50,4,4) ;
  SelectScreen(1) ;
}
PAINT { FullPaint(7) ; }
LBUTTONDOWN { CopyBMP(0,0,0,60,60,1,0,0,60,60,0) ; }
