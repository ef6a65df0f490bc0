// At the end of its range a scroll-bar control's arrow changes nothing and
// runs nothing; SetScrollPos and GetScrollPos set and read the position.
//! window RUN "端"
//! ctlclick 194 48
//! ctlclick 6 48
//! title "199"
//! close
//! exit 0
CREATE {
  SetCaption("端") ; SetWinSize(220, 100) ;
  CreateControl(70, "", "ID_bar", 0, 40, 200, 16) ;
}
INIT { SetScrollPos("ID_bar", 200) ; }
ID_bar {
  if (GetScrollPos("ID_bar") == 199) { SetCaption("199") ; }
  if (GetScrollPos("ID_bar") == 201) { SetCaption("past the end") ; }
}
