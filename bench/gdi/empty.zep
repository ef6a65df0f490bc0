// The same window as bench.zep, ended at once: the start-up and exit time.
CREATE { SetCaption("bench") ; SetWinSize(640,480) ; SubScreen(640,480) ; }
INIT {
  SelectScreen(0) ;
  i = 0 ;
  SelectScreen(1) ;
  CopyBMP(0,0,0,640,480,1,0,0,640,480,0) ;
  end ;
}
