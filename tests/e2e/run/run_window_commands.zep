// SetCaption, SetWinPos and SetWinSize act on the open window.
//! window RUN "前"
//! click 5 5
//! title "後の題名"
//! windowpos 200 150
//! close
//! exit 0
CREATE { SetCaption("前") ; SetWinSize(200, 150) ; }
LBUTTONDOWN { SetCaption("後の題名") ; SetWinPos(200, 150, 0) ; SetWinSize(220, 160) ; }
