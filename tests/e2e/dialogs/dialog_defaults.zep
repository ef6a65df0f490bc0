// Without a set-up section the dialog is 300 x 400, titled "ダイアログ", 50
// pixels right of and below the run window's client origin; its INIT runs.
//! window DLG "ダイアログ"
//! windowpos 150 150
//! window RUN "親 init"
//! clientpos 100 100
//! close
//! exit 0
CREATE { SetCaption("親") ; SetWinSize(200, 100) ; SetWinStyle(4) ; SetWinPos(100, 100, 0) ; }
INIT { DlgBox("ID_d") ; }
ID_dINIT { started = 1 ; }
PAINT { if (started == 1) { SetCaption("親 init") ; } }
