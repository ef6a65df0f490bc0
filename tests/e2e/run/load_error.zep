// A CREATE error is reported with section CREATE; no window opens.
//! box "ZEP Error" "サブルーチン : CREATE\r\n\r\n コマンド : SetTimer\r\n\r\nタイマーの設定ができません"
//! exit 0
CREATE { SetTimer(0) ; }
