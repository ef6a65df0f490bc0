// A dialog's TIMER runs; without a CLOSE section one click on the close box
// closes it; a second DlgBox while it is open is ignored.
//! window DLG "設定"
//! title "tick"
//! realclick 188 -11
//! gone
//! window RUN "ignored"
//! close
//! exit 0
CREATE { SetCaption("親") ; SetWinSize(200, 100) ; }
INIT { DlgBox("ID_d") ; DlgBox("ID_other") ; SetCaption("ignored") ; }
ID_dCREATE { SetCaption("設定") ; SetTimer(50) ; SetWinSize(200, 120) ; }
ID_dTIMER { ticks = ticks + 1 ; if (ticks == 2) { SetCaption("tick") ; } }
ID_dINIT { ticks = 0 ; }
ID_otherCREATE { SetCaption("二つ目") ; }
