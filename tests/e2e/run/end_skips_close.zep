// end closes the window without running CLOSE.
//! window RUN "実行中"
//! click 5 5
//! gone
//! exit 0
CREATE { SetWinSize(100, 80) ; }
LBUTTONDOWN { end ; call("AFTER_END") ; }
CLOSE { call("CLOSE_RAN") ; }
