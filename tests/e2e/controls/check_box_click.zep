// A click on a check box runs its section; the box is not automatic, so its
// label stays and nothing else runs. A duplicate ID reaches the first control.
//! window RUN "チェック"
//! ctlclick 20 20
//! title "clicked"
//! ctltext 20 20 "印"
//! close
//! exit 0
CREATE {
  SetCaption("チェック") ; SetWinSize(200, 100) ;
  CreateControl(20, "印", "ID_mark", 10, 10, 120, 24) ;
  CreateControl(20, "二番目", "ID_mark", 10, 40, 120, 24) ;
}
ID_mark { SetCaption("clicked") ; }
