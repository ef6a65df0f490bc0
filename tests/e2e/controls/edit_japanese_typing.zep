// Japanese typed into a script's edit field arrives whole through the
// program's message loop, and the field's section sees it.
//! window RUN "日本語入力"
//! ctlclick 60 20
//! typeunicode "表示ボタン"
//! ctltext 60 20 "表示ボタン"
//! title "5"
//! close
//! exit 0
CREATE {
  SetCaption("日本語入力") ; SetWinSize(240, 100) ;
  CreateControl(101, "", "ID_edit", 10, 10, 200, 22) ;
}
ID_edit {
  n = GetEditLength("ID_edit") / 2 ;
  if (n == 5) { SetCaption("5") ; }
}
