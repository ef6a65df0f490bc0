// SetWinSize from a dialog's section sizes the dialog as it sizes the run
// window: with the run window's menu bar allowance (the dialog itself has
// no menu, so its client area is that much taller than asked).
//! window DLG "子"
//! clientsize 196 115
//! close
//! window RUN "親"
//! close
//! exit 0
CREATE {
  SetCaption("親") ; SetWinSize(200, 80) ;
  Menu("ﾌｧｲﾙ(&F)") ; PopupMenuEX("閉じる", "ID_end") ;
}
INIT { DlgBox("ID_d") ; }
ID_end { end ; }
ID_dCREATE { SetCaption("子") ; SetWinPos(300, 100, 0) ; }
ID_dINIT { SetWinSize(200, 100) ; }
