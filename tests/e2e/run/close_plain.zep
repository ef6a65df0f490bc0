// Without a CLOSE section the close box closes the window at once.
//! window RUN "実行中"
//! close
//! gone
//! exit 0
CREATE { SetWinSize(100, 80) ; }
