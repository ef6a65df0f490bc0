// SetWinColor 14 gives a grey background, 3 a white one.
//! window RUN "ŠDF"
//! rect 0 0 30 30 808080
//! close
//! exit 0
CREATE { SetWinColor(14) ; SetCaption("ŠDF") ; SetWinSize(200,100) ; }
