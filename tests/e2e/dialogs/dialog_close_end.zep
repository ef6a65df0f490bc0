// With a CLOSE section the dialog closes only through end; a button of the
// dialog runs the section of its ID.
//! window DLG "閉じる"
//! close
//! title "asked"
//! ctlclick 40 20
//! title "pressed"
//! close
//! gone
//! window RUN "親"
//! close
//! exit 0
CREATE { SetCaption("親") ; SetWinSize(200, 100) ; }
INIT { DlgBox("ID_d") ; }
ID_dCREATE {
  SetCaption("閉じる") ; SetWinSize(200, 100) ;
  CreateControl(0, "押す", "ID_press", 10, 10, 80, 24) ;
}
ID_dINIT { asked = 0 ; }
ID_press { SetCaption("pressed") ; }
ID_dCLOSE {
  asked = asked + 1 ;
  if (asked == 1) { SetCaption("asked") ; }
  if (asked == 2) { end ; }
}
