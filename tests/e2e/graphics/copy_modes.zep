// The five raster operations of CopyBMP with yellow copied onto cyan:
// 0 copy, 1 NOT source (blue), 2 OR (white), 3 AND (green), 4 XOR (magenta);
// 7 copies; mode 4 applied twice gives the cyan back.
//! window RUN "ラスタ"
//! rect 0 40 20 20 FFFF00
//! rect 30 40 20 20 0000FF
//! rect 60 40 20 20 FFFFFF
//! rect 90 40 20 20 00FF00
//! rect 120 40 20 20 FF00FF
//! rect 150 40 20 20 FFFF00
//! rect 180 40 20 20 00FFFF
//! close
//! exit 0
CREATE { SetCaption("ラスタ") ; SetWinSize(260,100) ; }
PAINT {
  FullPaint(7) ;
  Box(0,0,20,20,6,6) ;
  Box(0,40,200,60,5,5) ;
  CopyBMP(1,0,0,20,20,1,0,40,20,20,0) ;
  CopyBMP(1,0,0,20,20,1,30,40,20,20,1) ;
  CopyBMP(1,0,0,20,20,1,60,40,20,20,2) ;
  CopyBMP(1,0,0,20,20,1,90,40,20,20,3) ;
  CopyBMP(1,0,0,20,20,1,120,40,20,20,4) ;
  CopyBMP(1,0,0,20,20,1,150,40,20,20,7) ;
  CopyBMP(1,0,0,20,20,1,180,40,20,20,4) ;
  CopyBMP(1,0,0,20,20,1,180,40,20,20,4) ;
}
