// SetPal with an entry number outside 0..15 fails with code 1.
//! window RUN "実行中"
//! box "ZEP Error" "サブルーチン : PAINT\r\n\r\n コマンド : SetPal\r\n\r\n色指定の値が無効です"
//! exit 0
CREATE { SetWinSize(200,100) ; }
PAINT { SetPal(16,0,0,0) ; }
