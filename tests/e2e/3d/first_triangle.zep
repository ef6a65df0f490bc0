// The first triangle (0,0,0),(100,0,0),(0,100,0) at rest with the default
// centre (100,100) and distance 1000 lands on (100,100),(200,100),(100,200)
// in its full colour: it faces the viewer straight (k = 1). The same
// triangle with its second and third corners swapped runs anticlockwise on
// the screen and is not drawn (pack 1, moved 150 to the right).
//! window RUN "最初の三角形"
//! pixel 100 100 C86432
//! pixel 200 100 C86432
//! pixel 100 200 C86432
//! pixel 150 150 C86432
//! pixel 140 140 C86432
//! pixel 110 185 C86432
//! pixel 185 110 C86432
//! pixel 99 150 FFFFFF
//! pixel 150 99 FFFFFF
//! pixel 201 100 FFFFFF
//! pixel 100 201 FFFFFF
//! pixel 160 160 FFFFFF
//! pixel 260 110 FFFFFF
//! pixel 251 101 FFFFFF
//! pixel 300 120 FFFFFF
//! close
//! exit 0
CREATE {
  SetCaption("最初の三角形") ;
  SetWinSize(400,250) ;
  Create3DPack(0,1) ;
  Create3DPack(1,1) ;
  Add3DPack(0, 0,0,0, 100,0,0, 0,100,0, 200,100,50) ;
  Add3DPack(1, 0,0,0, 0,100,0, 100,0,0, 0,0,255) ;
  Set3DWorldPosX(1,150) ;
}
PAINT {
  FullPaint(7) ;
  Draw3DPack(0) ;
  Draw3DPack(1) ;
}
