//! cmdline --zep-test-fault=exception:TIMER "{script}"
// An exception no command expects, in a section: one box that names the
// section, then the run ends as after an error.
//! box "ZEP Error" "内部エラーが起きました（test）。\r\nサブルーチン : TIMER"
//! nobox 500
//! exit 0
CREATE { SetCaption("例外") ; SetWinSize(200, 80) ; SetTimer(100) ; }
TIMER { SetCaption("ここまで") ; }
