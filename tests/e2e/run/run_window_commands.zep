// SetCaption, SetWinPos and SetWinSize act on the open window.
//! window RUN "‘O"
//! click 5 5
//! title "Œã‚Ì‘è–¼"
//! windowpos 200 150
//! close
//! exit 0
CREATE { SetCaption("‘O") ; SetWinSize(200, 150) ; }
LBUTTONDOWN { SetCaption("Œã‚Ì‘è–¼") ; SetWinPos(200, 150, 0) ; SetWinSize(220, 160) ; }
