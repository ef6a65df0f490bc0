// An error in INIT (inside window creation, before it is shown) shows the
// box and closes the window.
//! box "ZEP Error" "サブルーチン : INIT\r\n\r\n Foo\r\n\r\nこのコマンドは存在しません"
//! exit 0
CREATE { SetWinSize(100, 80) ; }
INIT { Foo(1) ; }
