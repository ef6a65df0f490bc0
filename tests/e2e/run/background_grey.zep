// SetWinColor 14 gives a grey background, 3 a white one.
//! window RUN "灰色"
//! rect 0 0 30 30 808080
//! close
//! exit 0
CREATE { SetWinColor(14) ; SetCaption("灰色") ; SetWinSize(200,100) ; }
