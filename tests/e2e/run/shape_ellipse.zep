// SetWinStyleOption 2 gives the window an elliptic shape: the corners of
// the window are not part of it, the middle is.
//! window RUN "実行中"
//! rect 90 90 20 20 FFFFFF
//! pixel 2 2 000000
//! pixel 197 197 000000
//! close
//! exit 0
CREATE { SetWinStyle(4) ; SetWinSize(200, 200) ; SetWinStyleOption(2, 0, 0) ; SetWinPos(300, 300, 0) ; }
