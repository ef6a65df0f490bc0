//! cmdline --zep-test-fault=access:LBUTTONDOWN "{script}"
// A processor fault in a section (forced by the test option) is never
// silent: a box names its code and the section, and the program ends.
//! window RUN "落ちる"
//! click 10 10
//! box "ZEP Error" "内部エラーが起きました（C0000005）。\r\nサブルーチン : LBUTTONDOWN"
//! exit 3
CREATE { SetCaption("落ちる") ; SetWinSize(200, 80) ; }
LBUTTONDOWN { SetCaption("ここまで") ; }
