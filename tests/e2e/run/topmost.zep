// SetWinPos with 1 keeps the window above the others.
//! window RUN "実行中"
//! topmost 1
//! windowpos 10 20
//! close
//! exit 0
CREATE { SetWinPos(10, 20, 1) ; SetWinSize(100, 80) ; }
