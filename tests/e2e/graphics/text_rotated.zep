// Rotation 90 turns the line counter-clockwise: it reads upward from
// (100,200), in the 16-pixel band to the right of x = 100 and above y = 200.
//! window RUN "回転"
//! rect 0 0 20 20 00FF00
//! close
//! exit 0
CREATE { SetCaption("回転") ; SetWinSize(260,260) ; }
PAINT {
  FullPaint(7) ;
  Print(100,200,90,0,16,2,"Aa12あぁアァ亜宇") ;
  inside = 0 ;
  outside = 0 ;
  first = 0 ;
  top = 999 ;
  yy = 40 ;
  loop(190) {
    xx = 80 ;
    loop(60) {
      if (GetPixelR(xx,yy) == 255) {
        if (GetPixelG(xx,yy) == 0) {
          if (xx >= 99) { if (xx <= 117) { if (yy <= 201) { inside = inside + 1 ; } } }
          if (xx < 99) { outside = outside + 1 ; }
          if (xx > 117) { outside = outside + 1 ; }
          if (yy > 201) { outside = outside + 1 ; }
          if (yy >= 185) { first = first + 1 ; }
          if (yy < top) { top = yy ; }
        }
      }
      xx = xx + 1 ;
    }
    yy = yy + 1 ;
  }
  if (inside < 40) { call("FAIL_no_text_in_band") ; }
  if (outside != 0) { call("FAIL_text_outside_band") ; }
  if (first == 0) { call("FAIL_no_first_glyph_at_bottom") ; }
  if (top > 120) { call("FAIL_text_does_not_go_up") ; }
  Box(0,0,20,20,4,4) ;
}
