// An error in INIT shows the box and closes the window.
//! window RUN "実行中"
//! box "ZEP Error" "サブルーチン : INIT\r\n\r\n コマンド : Foo\r\n\r\nこのコマンドは存在しません"
//! exit 0
CREATE { SetWinSize(100, 80) ; }
INIT { Foo(1) ; }
