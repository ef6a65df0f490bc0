// A BMP file that ends before its last pixel row is refused with code 15,
// and nothing of it is drawn.
//! window RUN "短い"
//! pixel 10 10 FFFFFF
//! click 5 5
//! box! "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : LoadBMP\r\n\r\nファイルを開けません"
//! exit 0
CREATE { SetCaption("短い") ; SetWinSize(160, 80) ; }
PAINT { FullPaint(7) ; }
LBUTTONDOWN { LoadBMP(10, 10, "cut.bmp") ; }
