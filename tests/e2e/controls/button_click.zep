// A click on a push button runs the section of its ID, once per click.
//! window RUN "ボタン"
//! ctlclick 30 20
//! title "1"
//! ctlclick 30 20
//! title "2"
//! close
//! exit 0
CREATE {
  SetCaption("ボタン") ; SetWinSize(200, 100) ;
  CreateControl(0, "押す", "ID_push", 10, 10, 80, 24) ;
}
INIT { n = 0 ; }
ID_push {
  n = n + 1 ;
  if (n == 1) { SetCaption("1") ; }
  if (n == 2) { SetCaption("2") ; }
}
