// An error in TIMER shows the exact box once, then the window closes.
//! window RUN "実行中"
//! box! "ZEP Error" "サブルーチン : TIMER\r\n\r\n 変数 : y\r\n\r\n変数の値が未定です"
//! gone
//! exit 0
CREATE { SetTimer(20) ; SetWinSize(100, 80) ; }
TIMER { loop(2) { x = y ; } }
