// LoadBMP of bit-field files, 10 x 8: 5-6-5 with the masks after a 40-byte
// header; 5-5-5 inside a 108-byte header, top-down; 32 bits with red in
// the low byte inside a 124-byte header; 10-10-10 after a 40-byte header,
// top-down. Each shows its four quadrants in the file's colours, and
// nothing beyond it.
//! window RUN "ビットフィールド"
//! rect 10 10 5 4 FF0000
//! rect 15 10 5 4 0000FF
//! rect 10 14 5 4 00FF00
//! rect 15 14 5 4 FFFF00
//! pixel 20 10 FFFFFF
//! pixel 10 18 FFFFFF
//! rect 30 10 5 4 FF0000
//! rect 35 10 5 4 0000FF
//! rect 30 14 5 4 00FF00
//! rect 35 14 5 4 FFFF00
//! pixel 40 10 FFFFFF
//! pixel 30 18 FFFFFF
//! rect 50 10 5 4 FF0000
//! rect 55 10 5 4 0000FF
//! rect 50 14 5 4 00FF00
//! rect 55 14 5 4 FFFF00
//! pixel 60 10 FFFFFF
//! pixel 50 18 FFFFFF
//! rect 70 10 5 4 FF0000
//! rect 75 10 5 4 0000FF
//! rect 70 14 5 4 00FF00
//! rect 75 14 5 4 FFFF00
//! pixel 80 10 FFFFFF
//! pixel 70 18 FFFFFF
//! close
//! exit 0
CREATE { SetCaption("ビットフィールド") ; SetWinSize(200, 80) ; }
PAINT {
  FullPaint(7) ;
  LoadBMP(10, 10, "bf16.bmp") ;
  LoadBMP(30, 10, "bf16v4td.bmp") ;
  LoadBMP(50, 10, "bf32v5.bmp") ;
  LoadBMP(70, 10, "bf32td.bmp") ;
}
