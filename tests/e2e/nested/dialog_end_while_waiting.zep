// While a dialog's TIMER waits in MessBox, its next tick ends the dialog:
// the box goes with it (Wine takes a moment to take it off the screen), the
// waiting section stops at once, and the run window goes on.
//! delete after.txt
//! window DLG "子"
//! boxowner DLG
//! nowindow DLG
//! nowindow #32770
//! nobox 500
//! nofile after.txt
//! window RUN "親"
//! click 10 10
//! title "続いている"
//! close
//! exit 0
CREATE { SetCaption("親") ; SetWinSize(200, 80) ; }
INIT { DlgBox("ID_d") ; }
LBUTTONDOWN { SetCaption("続いている") ; }
ID_dCREATE { SetCaption("子") ; SetWinSize(200, 80) ; SetWinPos(300, 100, 0) ; SetTimer(300) ; }
ID_dINIT { t = 0 ; }
ID_dTIMER {
  t = t + 1 ;
  if (t == 2) { end ; }
  if (t == 1) { MessBox("待っています", "待つ", 1, 0) ; OpenFileWrite("after.txt") ; CloseFile ; }
}
