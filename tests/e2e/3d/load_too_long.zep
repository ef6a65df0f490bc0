// Load3DPack of a file that does not end on a whole triangle: an odd 23-byte
// file fits a pack of one triangle (24 bytes) and holds no whole one, so the
// first click empties the pack; 25 bytes do not fit, and the second click
// stops the run with code 42.
//! window RUN "長すぎるファイル"
//! pixel 150 150 C86432
//! click 10 10
//! pixel 150 150 FFFFFF
//! click 10 10
//! box! "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : Load3DPack\r\n\r\n３Ｄパックへの登録データ数が多すぎます"
//! gone
//! exit 0
CREATE {
  SetCaption("長すぎるファイル") ;
  SetWinSize(300,300) ;
  Create3DPack(0,1) ;
  Add3DPack(0, 0,0,0, 100,0,0, 0,100,0, 200,100,50) ;
  Set3DWorldPosX(0,40) ;
  Set3DWorldPosY(0,40) ;
}
INIT {
  clicks = 0 ;
  OpenFileWrite("odd.dat") ;
  WriteFile(22,7) ;
  CloseFile ;
  OpenFileWrite("long.dat") ;
  WriteFile(24,7) ;
  CloseFile ;
}
PAINT { call("DRAW") ; }
LBUTTONDOWN {
  clicks = clicks + 1 ;
  if (clicks == 1) { OpenFileRead("odd.dat") ; }
  if (clicks == 2) { OpenFileRead("long.dat") ; }
  Load3DPack(0) ;
  CloseFile ;
  call("DRAW") ;
}
DRAW {
  FullPaint(7) ;
  Draw3DPack(0) ;
}
