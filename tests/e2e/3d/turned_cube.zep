// A cube turned 30 degrees about its own Y axis, then twice 15 degrees
// about its own X axis by two clicks, 200 units beyond the plane Z = 0,
// seen from 1000 with the vanishing point at (150,150). Its top, right and
// front faces show; each triangle is painted in its face colour times
// k = (cos a + 2) / 3, a the angle between its normal on the screen and the
// viewing direction, truncated: the top (40,240,240) at k 0.7769 and
// 0.7874, the right (240,240,40) at 0.8042 and 0.8010, the front
// (240,40,40) at 0.8961 and 0.9050. The stored angles are then 25.66,
// 33.69 and 343.90, drawn as 25, 33 and 343 degrees.
//! window RUN "立方体"
//! click 10 10
//! click 10 10
//! pixel 128 99 1FBABA
//! pixel 143 113 1FBCBC
//! pixel 195 125 C0C020
//! pixel 190 171 C0C020
//! pixel 118 189 D72323
//! pixel 138 160 D92424
//! pixel 20 20 FFFFFF
//! pixel 280 280 FFFFFF
//! close
//! exit 0
CREATE {
  SetCaption("立方体") ;
  SetWinSize(300,300) ;
  Set3DCenter(150,150,1000) ;
  Create3DPack(0,12) ;
  Add3DPack(0,-60,-60,-60,60,-60,-60,60,60,-60,240,40,40) ;
  Add3DPack(0,-60,-60,-60,60,60,-60,-60,60,-60,240,40,40) ;
  Add3DPack(0,-60,-60,60,-60,60,60,60,60,60,40,240,40) ;
  Add3DPack(0,-60,-60,60,60,60,60,60,-60,60,40,240,40) ;
  Add3DPack(0,-60,-60,-60,-60,60,-60,-60,60,60,40,40,240) ;
  Add3DPack(0,-60,-60,-60,-60,60,60,-60,-60,60,40,40,240) ;
  Add3DPack(0,60,-60,-60,60,-60,60,60,60,60,240,240,40) ;
  Add3DPack(0,60,-60,-60,60,60,60,60,60,-60,240,240,40) ;
  Add3DPack(0,-60,-60,-60,-60,-60,60,60,-60,60,40,240,240) ;
  Add3DPack(0,-60,-60,-60,60,-60,60,60,-60,-60,40,240,240) ;
  Add3DPack(0,-60,60,-60,60,60,-60,60,60,60,240,40,240) ;
  Add3DPack(0,-60,60,-60,60,60,60,-60,60,60,240,40,240) ;
  Set3DLocalRotateY(0,30) ;
  Set3DWorldPosZ(0,200) ;
}
PAINT { call("DRAW") ; }
LBUTTONDOWN {
  Set3DLocalRotateX(0,15) ;
  call("DRAW") ;
}
DRAW {
  FullPaint(7) ;
  Draw3DPack(0) ;
}
