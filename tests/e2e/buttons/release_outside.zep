// Pressing a bitmap button and moving off it before the release runs
// nothing and raises the button again; a release over it runs the section.
//! window RUN "ボタン"
//! ctlmove 50 55
//! ctldown 50 55
//! pixel 30 40 000000
//! ctlmove 50 55 150 120
//! pixel 30 40 FFFFFF
//! ctlup 50 55 150 120
//! sleep 500
//! title "ボタン"
//! ctlmove 50 55
//! ctldown 50 55
//! ctlup 50 55
//! title "1"
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
}
