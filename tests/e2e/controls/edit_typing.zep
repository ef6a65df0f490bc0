// Typing into a one-line edit field runs its section on its changes.
//! window RUN "入力"
//! ctltype 40 20 "ab"
//! ctltext 40 20 "ab"
//! title "changed"
//! close
//! exit 0
CREATE {
  SetCaption("入力") ; SetWinSize(200, 100) ;
  CreateControl(101, "", "ID_edit", 10, 10, 150, 22) ;
}
INIT { n = 0 ; }
ID_edit {
  n = n + 1 ;
  if (n >= 2) { SetCaption("changed") ; }
}
