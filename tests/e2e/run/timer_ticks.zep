// TIMER runs every period; end closes the window and ends the program.
//! window RUN "実行中"
//! gone
//! exit 0
CREATE { SetTimer(30) ; SetWinSize(100, 80) ; }
TIMER { n = n + 1 ; if (n == 5) { end ; } }
INIT { n = 0 ; }
CLOSE { call("CLOSE_MUST_NOT_RUN") ; }
