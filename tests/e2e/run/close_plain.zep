// Without a CLOSE section the close box closes the window at once.
//! window RUN "é¿çsíÜ"
//! close
//! gone
//! exit 0
CREATE { SetWinSize(100, 80) ; }
