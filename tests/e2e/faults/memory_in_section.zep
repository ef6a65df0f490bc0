//! cmdline --zep-test-fault=memory:LBUTTONDOWN "{script}"
// Memory that can't be had in a section fails it with code 20.
//! window RUN "メモリー"
//! click 10 10
//! box! "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n メモリーの確保に失敗しました"
//! exit 0
CREATE { SetCaption("メモリー") ; SetWinSize(200, 80) ; }
LBUTTONDOWN { SetCaption("ここまで") ; }
