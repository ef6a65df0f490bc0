// LoadBMP of 1-, 4-, 8- and 24-bit files with the 12-byte OS/2 header and
// its 3-byte colour table entries, bottom-up: each 10 x 8 picture shows its
// four quadrants in the file's colours, and nothing beyond it. The 1-bit
// file has two colours: red at top-left and bottom-right.
//! window RUN "OS/2"
//! rect 10 10 5 4 FF0000
//! rect 15 10 5 4 0000FF
//! rect 10 14 5 4 0000FF
//! rect 15 14 5 4 FF0000
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
CREATE { SetCaption("OS/2") ; SetWinSize(200, 80) ; }
PAINT {
  FullPaint(7) ;
  LoadBMP(10, 10, "os2_1.bmp") ;
  LoadBMP(30, 10, "os2_4.bmp") ;
  LoadBMP(50, 10, "os2_8.bmp") ;
  LoadBMP(70, 10, "os2_24.bmp") ;
}
