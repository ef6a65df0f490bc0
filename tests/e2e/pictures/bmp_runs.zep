// LoadBMP of 8- and 4-bit run-length files, 10 x 8, bottom-up: encoded
// runs, absolute runs (odd ones padded to a word), moves and ends of line.
// Moves jump over three rows of the 8-bit file's top-left quadrant, which
// take colour 0 of its table, red. Each shows its four quadrants in the
// file's colours, and nothing beyond it.
//! window RUN "ランレングス"
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
//! close
//! exit 0
CREATE { SetCaption("ランレングス") ; SetWinSize(200, 80) ; }
PAINT {
  FullPaint(7) ;
  LoadBMP(10, 10, "rle8.bmp") ;
  LoadBMP(30, 10, "rle4.bmp") ;
}
