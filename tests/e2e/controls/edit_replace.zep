// SetEditText replaces the selection; SetEditData writes numbers as PrintData
// does; SearchEditText and GetEditLength read the text back.
//! window RUN "found 1 9"
//! ctltext 60 20 "aXYd 3.14"
//! close
//! exit 0
CREATE {
  SetCaption("編集") ; SetWinSize(240, 100) ;
  CreateControl(101, "", "ID_e", 10, 10, 200, 22) ;
}
INIT {
  SetEditText("ID_e", "abcd") ;
  SetEditCursol("ID_e", 1, 3) ;
  SetEditText("ID_e", "XY") ;
  SetEditCursol("ID_e", 0 - 1, 0 - 1) ;
  SetEditText("ID_e", " ") ;
  SetEditData("ID_e", 3.14159, 2) ;
  if (SearchEditText("ID_e", 0, "XY") == 1) {
    if (GetEditLength("ID_e") == 9) { SetCaption("found 1 9") ; }
  }
}
