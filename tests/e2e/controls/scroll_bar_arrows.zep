// The arrows of a scroll-bar control move its position by one; at 0 the left
// arrow changes nothing and runs nothing.
//! window RUN "スクロール"
//! ctlclick 194 48
//! title "1"
//! ctlclick 6 48
//! title "2"
//! ctlclick 6 48
//! ctlclick 194 48
//! title "3"
//! close
//! exit 0
CREATE {
  SetCaption("スクロール") ; SetWinSize(220, 100) ;
  CreateControl(70, "", "ID_bar", 0, 40, 200, 16) ;
}
INIT { n = 0 ; }
ID_bar {
  n = n + 1 ;
  if (n == 1) { SetCaption("1") ; }
  if (n == 2) { SetCaption("2") ; }
  if (n == 3) { SetCaption("3") ; }
}
