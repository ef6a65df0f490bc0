// SaveBMP writes a 2 x 2 rectangle as a 32-bit BMP: 14-byte file header,
// 40-byte info header, no colour table, rows bottom-up (blue, green, red,
// unused). The file is loaded back with LoadBMP beside the original.
//! delete "saved.bmp"
//! window RUN "保存"
//! filehex "saved.bmp" "424d 46000000 0000 0000 36000000 28000000 02000000 02000000 0100 2000 00000000 10000000 00000000 00000000 00000000 00000000 00ff0000 00000000 0000ff00 ff000000"
//! pixel 20 20 FF0000
//! pixel 21 20 0000FF
//! pixel 20 21 00FF00
//! pixel 21 21 000000
//! close
//! exit 0
CREATE { SetCaption("保存") ; SetWinSize(160, 80) ; }
INIT { saved = 0 ; }
PAINT {
  FullPaint(7) ;
  Point(0, 0, 2) ; Point(1, 0, 1) ; Point(0, 1, 4) ; Point(1, 1, 0) ;
  if (saved == 0) { saved = 1 ; SaveBMP(0, 0, 2, 2, "saved.bmp") ; }
  LoadBMP(20, 20, "saved.bmp") ;
}
