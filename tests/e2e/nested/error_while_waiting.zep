// An error in a section that runs while MessBox waits gives one box; the
// run then ends, and the section that waited stops without a box of its
// own and without running on.
//! delete after.txt
//! window RUN "待つ"
//! click 10 10
//! boxowner RUN
//! box! "ZEP Error" "サブルーチン : TIMER\r\n\r\n コマンド : 1/0\r\n\r\nゼロでの除算はできません"
//! nowindow #32770
//! exit 0
//! nofile after.txt
CREATE { SetCaption("待つ") ; SetWinSize(200, 80) ; SetTimer(100) ; waiting = 0 ; }
LBUTTONDOWN { waiting = 1 ; MessBox("待っています", "待つ", 1, 0) ; OpenFileWrite("after.txt") ; CloseFile ; }
TIMER { if (waiting == 1) { x = 1 / 0 ; } }
