// A CLOSE section without end keeps the window open; end then closes it.
//! window RUN "閉じる"
//! close
//! close
//! nobox 300
//! running
//! click 5 5
//! gone
//! exit 0
CREATE { SetCaption("閉じる") ; SetWinSize(100, 80) ; }
CLOSE { asked = asked + 1 ; }
INIT { asked = 0 ; }
LBUTTONDOWN { if (asked == 2) { end ; } call("BAD_CLOSE_COUNT") ; }
