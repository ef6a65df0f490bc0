// Print writes only the glyphs, in the chosen palette colour: the cyan
// background between and around them stays as it was.
//! window RUN "文字色"
//! rect 0 0 240 10 00FFFF
//! rect 0 30 240 20 00FFFF
//! rect 0 60 20 20 00FF00
//! close
//! exit 0
CREATE { SetCaption("文字色") ; SetWinSize(260,100) ; }
PAINT {
  FullPaint(5) ;
  Print(10,10,0,0,16,2,"Aa12あぁアァ亜宇") ;
  red = 0 ;
  white = 0 ;
  yy = 10 ;
  loop(20) {
    xx = 0 ;
    loop(240) {
      r = GetPixelR(xx,yy) ;
      g = GetPixelG(xx,yy) ;
      if (r == 255) { if (g == 0) { red = red + 1 ; } }
      if (r == 255) { if (g == 255) { white = white + 1 ; } }
      xx = xx + 1 ;
    }
    yy = yy + 1 ;
  }
  if (red < 40) { call("FAIL_no_red_glyphs") ; }
  if (white != 0) { call("FAIL_cell_background_painted") ; }
  Box(0,60,20,80,4,4) ;
}
