// With a back screen, SelectScreen(2) fails with code 16.
//! window RUN "実行中"
//! box "ZEP Error" "サブルーチン : PAINT\r\n\r\n コマンド : SelectScreen\r\n\r\nパラメータの値が無効です"
//! exit 0
CREATE { SetWinSize(200,100) ; SubScreen(10,10) ; }
PAINT { SelectScreen(0) ; SelectScreen(2) ; }
