// SetWinStyleOption 1 rounds the corners with 60 x 60 ellipses; the edge
// between the corners stays.
//! window RUN "実行中"
//! pixel 1 1 000000
//! pixel 100 1 FFFFFF
//! pixel 1 100 FFFFFF
//! close
//! exit 0
CREATE { SetWinStyle(4) ; SetWinSize(200, 200) ; SetWinStyleOption(1, 60, 60) ; SetWinPos(300, 300, 0) ; }
