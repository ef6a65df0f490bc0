// A pack saved to a file and loaded into another pack draws the same
// picture. INIT writes pack 0 (two triangles, 48 bytes of 16-bit values,
// high byte first) and reads the file back into pack 1. The window first
// shows pack 0; a click clears it and shows pack 1 with a red mark. The
// tilted triangle is shaded: k = 0.8483, (250,120,30) -> (212,101,25).
//! window RUN "保存と読み込み"
//! filehex pack.dat "0000 0000 0000 0064 0000 0000 0000 0064 0000 00c8 0064 0032 ff6a ffb0 0000 ffce ffb0 0000 ff6a 0096 012c 00fa 0078 001e"
//! pixel 110 85 D46519
//! pixel 75 25 D46519
//! pixel 240 130 C86432
//! pixel 220 100 C86432
//! pixel 280 180 FFFFFF
//! pixel 5 5 FFFFFF
//! click 350 200
//! pixel 5 5 FF0000
//! pixel 110 85 D46519
//! pixel 75 25 D46519
//! pixel 240 130 C86432
//! pixel 220 100 C86432
//! pixel 280 180 FFFFFF
//! close
//! exit 0
CREATE {
  SetCaption("保存と読み込み") ;
  SetWinSize(400,250) ;
  Set3DCenter(160,100,1000) ;
  Create3DPack(0,2) ;
  Create3DPack(1,4) ;
  Add3DPack(0, 0,0,0, 100,0,0, 0,100,0, 200,100,50) ;
  Add3DPack(0, -150,-80,0, -50,-80,0, -150,150,300, 250,120,30) ;
  Set3DWorldPosX(0,60) ;
}
INIT {
  shown = 0 ;
  OpenFileWrite("pack.dat") ;
  Save3DPack(0) ;
  CloseFile ;
  OpenFileRead("pack.dat") ;
  Load3DPack(1) ;
  CloseFile ;
  Set3DWorldPosX(1,60) ;
}
PAINT { call("DRAW") ; }
LBUTTONDOWN {
  shown = 1 ;
  call("DRAW") ;
}
DRAW {
  FullPaint(7) ;
  if (shown == 0) { Draw3DPack(0) ; }
  if (shown == 1) { Draw3DPack(1) ; Box(0,0,10,10,2,2) ; }
}
