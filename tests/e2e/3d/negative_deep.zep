// Set3DCenter with a negative distance draws what s = deep / (Z' + deep)
// gives. With deep = -1000 and the centre (100,100): the first triangle at
// Z' = 0 has s = 1 and lands on (100,100),(200,100),(100,200), as with
// +1000; pack 1, moved 300 to the right and to Z' = -1000, has s = 1/2 and
// lands on (250,100),(300,100),(250,150); pack 2 at Z' = 2000
// has s = -1: turned half round about the centre, (100,100),(0,100),(100,0),
// still clockwise on the screen. Pack 3 has a vertex at Z' = 1000, where
// Z' + deep is 0: it is left out, and the others are drawn all the same.
//! window RUN "負の距離"
//! pixel 140 140 C86432
//! pixel 110 185 C86432
//! pixel 185 110 C86432
//! pixel 201 100 FFFFFF
//! pixel 160 160 FFFFFF
//! pixel 260 110 0000FF
//! pixel 290 105 0000FF
//! pixel 255 140 0000FF
//! pixel 280 140 FFFFFF
//! pixel 60 60 00FF00
//! pixel 10 95 00FF00
//! pixel 95 10 00FF00
//! pixel 40 40 FFFFFF
//! pixel 350 30 FFFFFF
//! pixel 350 80 FFFFFF
//! pixel 360 150 FFFFFF
//! close
//! exit 0
CREATE {
  SetCaption("負の距離") ;
  SetWinSize(400,250) ;
  Set3DCenter(100,100,-1000) ;
  Create3DPack(0,1) ;
  Create3DPack(1,1) ;
  Create3DPack(2,1) ;
  Create3DPack(3,1) ;
  Add3DPack(0, 0,0,0, 100,0,0, 0,100,0, 200,100,50) ;
  Add3DPack(1, 0,0,0, 100,0,0, 0,100,0, 0,0,255) ;
  Set3DWorldPosX(1,300) ;
  Set3DWorldPosZ(1,-1000) ;
  Add3DPack(2, 0,0,2000, 100,0,2000, 0,100,2000, 0,255,0) ;
  Add3DPack(3, 250,0,0, 350,0,1000, 250,100,0, 255,0,0) ;
}
PAINT {
  FullPaint(7) ;
  Draw3DPack(0) ;
  Draw3DPack(1) ;
  Draw3DPack(2) ;
  Draw3DPack(3) ;
}
