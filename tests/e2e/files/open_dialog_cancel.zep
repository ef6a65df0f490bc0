// OpenFileReadDlg shows the open dialog with the script's title; a cancel
// gives 0 and opens nothing.
//! window RUN "ダイアログ"
//! dialog "読み込むファイル"
//! dialogcancel
//! title "cancelled"
//! close
//! exit 0
CREATE { SetCaption("ダイアログ") ; SetWinSize(200, 80) ; }
INIT { started = 0 ; }
PAINT {
  if (started == 0) {
    started = 1 ;
    r = OpenFileReadDlg("読み込むファイル") ;
    if (r == 0) { if (ANSWER == 0) { SetCaption("cancelled") ; } }
  }
}
