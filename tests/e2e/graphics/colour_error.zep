// An inside colour of 16 fails with code 1 and draws nothing.
//! window RUN "実行中"
//! box "ZEP Error" "サブルーチン : PAINT\r\n\r\n コマンド : Box\r\n\r\n色指定の値が無効です"
//! exit 0
CREATE { SetWinSize(200,100) ; }
PAINT { Box(0,0,10,10,0,16) ; }
