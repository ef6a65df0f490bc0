// Without SubScreen, SelectScreen fails with code 14.
//! window RUN "実行中"
//! box "ZEP Error" "サブルーチン : PAINT\r\n\r\n コマンド : SelectScreen\r\n\r\n裏画面が準備されていません"
//! exit 0
CREATE { SetWinSize(200,100) ; }
PAINT { SelectScreen(1) ; }
