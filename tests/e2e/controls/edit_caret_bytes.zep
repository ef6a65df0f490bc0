// The caret's commands count bytes of the Shift-JIS text, as every other
// edit command does: "日本語" takes bytes 0 to 5, so "ab" is bytes 6 and 7.
//! window RUN "ok"
//! ctltext 10 10 "日本語XYc"
//! close
//! exit 0
CREATE {
  SetCaption("edit") ; SetWinSize(240, 80) ;
  CreateControl(101, "", "ID_e", 10, 10, 200, 24) ;
}
INIT {
  SetEditText("ID_e", "日本語abc") ;
  SetEditCursol("ID_e", 6, 8) ;
  s = GetEditCursolStart("ID_e") ;
  e = GetEditCursolEnd("ID_e") ;
  SetEditText("ID_e", "XY") ;
  a = GetEditCursolStart("ID_e") ;
  n = GetEditLength("ID_e") ;
  c = CompEditText("ID_e", a, "c") ;
  if (s == 6) { if (e == 8) { if (a == 8) { if (n == 9) { if (c == 1) { SetCaption("ok") ; } } } } }
}
