// The run window is closed while a dialog's section waits in MessBox: the
// run ends, the box goes with its dialog, and the waiting section stops at
// once without a box and without writing its file.
//! delete after.txt
//! boxowner DLG
//! window RUN "親"
//! close
//! nowindow #32770
//! exit 0
//! nofile after.txt
CREATE { SetCaption("親") ; SetWinSize(200, 80) ; }
INIT { DlgBox("ID_d") ; }
ID_dCREATE { SetCaption("子") ; SetWinSize(200, 80) ; SetWinPos(300, 100, 0) ; SetTimer(200) ; }
ID_dINIT { t = 0 ; }
ID_dTIMER {
  t = t + 1 ;
  if (t == 1) { MessBox("待っています", "待つ", 1, 0) ; OpenFileWrite("after.txt") ; CloseFile ; }
}
