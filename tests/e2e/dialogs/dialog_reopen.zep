// end in a run-window section lets the open dialog go; a second DlgBox
// then opens a new dialog, and the old one goes first, so that its end
// cannot take the new one's timer, fonts or controls.
//! window RUN "親"
//! click 10 10
//! title "開き直した"
//! windows DLG 1
//! window DLG "2"
//! ctlclick 40 20
//! title "押された"
//! title "tick"
//! close
//! nowindow DLG
//! window RUN "開き直した"
//! close
//! exit 0
CREATE { SetCaption("親") ; SetWinSize(200, 80) ; }
INIT { opened = 1 ; DlgBox("ID_d") ; }
LBUTTONDOWN { end ; }
CLOSE {
  if (opened == 2) { end ; }
  if (opened == 1) { opened = 2 ; DlgBox("ID_d") ; SetCaption("開き直した") ; }
}
ID_dCREATE {
  SetWinSize(200, 80) ; SetWinPos(300, 100, 0) ; SetTimer(100) ;
  CreateControl(0, "押す", "ID_press", 10, 10, 80, 24) ;
}
ID_dINIT { ticks = 0 ; pressed = 0 ; if (opened == 2) { SetCaption("2") ; } }
ID_dTIMER {
  if (pressed == 1) { ticks = ticks + 1 ; }
  if (ticks == 5) { SetCaption("tick") ; }
}
ID_press { pressed = 1 ; SetCaption("押された") ; }
