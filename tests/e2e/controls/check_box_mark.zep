// A click on a check box runs its section and leaves the mark alone until
// SetButtonCheck sets it; GetButtonCheck reads it back.
//! window RUN "印"
//! ctlclick 20 20
//! title "0"
//! ctlclick 20 20
//! title "1"
//! close
//! exit 0
CREATE {
  SetCaption("印") ; SetWinSize(200, 100) ;
  CreateControl(20, "チェック", "ID_mark", 10, 10, 120, 24) ;
}
INIT { clicks = 0 ; }
ID_mark {
  clicks = clicks + 1 ;
  if (clicks == 1) {
    if (GetButtonCheck("ID_mark") == 0) { SetCaption("0") ; }
    SetButtonCheck("ID_mark", 1) ;
  }
  if (clicks == 2) {
    if (GetButtonCheck("ID_mark") == 1) { SetCaption("1") ; }
  }
}
