// A file that does not start with "BM" is refused with code 15.
//! box! "ZEP Error" "サブルーチン : INIT\r\n\r\n コマンド : LoadBMP\r\n\r\nファイルを開けません"
//! exit 0
CREATE { SetWinSize(160, 80) ; }
INIT { LoadBMP(0, 0, "text.bmp") ; }
