// 10,000 Box calls on the back screen, then one copy to the window.
CREATE { SetCaption("bench") ; SetWinSize(640,480) ; SubScreen(640,480) ; }
INIT {
  SelectScreen(0) ;
  i = 0 ;
  loop(10000) {
    Box(i % 600, i % 440, i % 600 + 40, i % 440 + 40, i % 16, (i + 1) % 16) ;
    i = i + 1 ;
  }
  SelectScreen(1) ;
  CopyBMP(0,0,0,640,480,1,0,0,640,480,0) ;
  end ;
}
