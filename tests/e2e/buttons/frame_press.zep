// A bitmap button shows its raised frame pixel for pixel, goes sunken while
// the left button is held on it, and runs its section once per release over it.
//! window RUN "ボタン"
//! pixel 30 40 FFFFFF
//! pixel 31 41 E0E0E0
//! pixel 69 40 000000
//! pixel 69 50 000000
//! pixel 68 50 808080
//! pixel 50 69 000000
//! pixel 50 68 808080
//! pixel 30 69 000000
//! pixel 31 68 808080
//! pixel 50 55 C0C0C0
//! ctlmove 50 55
//! ctldown 50 55
//! pixel 30 40 000000
//! pixel 31 41 808080
//! pixel 69 40 FFFFFF
//! pixel 69 50 FFFFFF
//! pixel 68 50 E0E0E0
//! pixel 50 69 FFFFFF
//! pixel 50 68 E0E0E0
//! pixel 50 55 C0C0C0
//! ctlup 50 55
//! title "1"
//! pixel 30 40 FFFFFF
//! pixel 69 50 000000
//! ctlmove 50 55
//! ctldown 50 55
//! ctlup 50 55
//! title "2"
//! close
//! exit 0
CREATE {
  SetCaption("ボタン") ; SetWinSize(200, 150) ;
  CreateControl(1, "ヒント", "ID_bb", 30, 40, 40, 30) ;
}
INIT { n = 0 ; }
ID_bb {
  n = n + 1 ;
  if (n == 1) { SetCaption("1") ; }
  if (n == 2) { SetCaption("2") ; }
  if (n == 3) { SetCaption("3") ; }
}
