// LoadGrpFile draws a 16 x 16 JPEG and GIF and a 32 x 32 icon, made at 96
// dots per inch, at their size in pixels on the screen; a file the decoder
// does not understand draws nothing and reports nothing; a missing file is
// code 15.
//! window RUN "画像"
//! rect 10 10 16 16 000000
//! pixel 26 10 FFFFFF
//! pixel 10 26 FFFFFF
//! rect 40 10 16 16 FF0000
//! pixel 56 10 FFFFFF
//! pixel 40 26 FFFFFF
//! rect 70 10 32 32 0000FF
//! pixel 102 10 FFFFFF
//! pixel 70 42 FFFFFF
//! rect 110 10 20 20 FFFFFF
//! click 150 60
//! box! "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : LoadGrpFile\r\n\r\nファイルを開けません"
//! exit 0
CREATE { SetCaption("画像") ; SetWinSize(200, 90) ; }
PAINT {
  FullPaint(7) ;
  LoadGrpFile(10, 10, "black.jpg") ;
  LoadGrpFile(40, 10, "red.gif") ;
  LoadGrpFile(70, 10, "blue.ico") ;
  LoadGrpFile(110, 10, "text.bmp") ;
}
LBUTTONDOWN { LoadGrpFile(0, 0, "no_such_picture.jpg") ; }
