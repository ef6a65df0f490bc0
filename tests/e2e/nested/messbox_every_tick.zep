// A TIMER that opens a box on every tick, faster than anyone answers:
// ticks run on top of the waiting boxes only 16 deep, later ticks are
// dropped, and the program lives on instead of running out of stack.
//! window RUN "箱"
//! sleep 2500
//! windows #32770 16
//! sleep 1000
//! windows #32770 16
//! running
CREATE { SetCaption("箱") ; SetWinSize(200, 80) ; SetTimer(20) ; }
TIMER { MessBox("もう一つ", "箱", 1, 0) ; }
