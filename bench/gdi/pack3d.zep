// 300 frames of one Draw3DPack of 1,024 triangles on the back screen and a
// CopyBMP to the window: a grid of 32 x 16 squares (two triangles each) at
// seven depths, turned a degree about its own Z axis every frame, so that
// every triangle faces the viewer and is painted. The frames run in the
// first TIMER, once the window shows, so that the copies reach the screen.
CREATE {
  SetCaption("bench") ; SetWinSize(640,480) ; SubScreen(640,480) ; SetTimer(1) ;
  Set3DCenter(320,240,1000) ;
  Create3DPack(0,1024) ;
  i = 0 ;
  loop(512) {
    x = (i % 32) * 20 - 320 ; y = fix(i / 32) * 30 - 240 ; z = (i % 7) * 10 ;
    Add3DPack(0, x,y,z, x+20,y,z, x+20,y+30,z, i % 256, (i * 3) % 256, 255 - i % 256) ;
    Add3DPack(0, x,y,z, x+20,y+30,z, x,y+30,z, (i * 5) % 256, i % 256, 128) ;
    i = i + 1 ;
  }
}
TIMER {
  loop(300) {
    Set3DLocalRotateZ(0,1) ;
    SelectScreen(0) ;
    FullPaint(0) ;
    Draw3DPack(0) ;
    SelectScreen(1) ;
    CopyBMP(0,0,0,640,480,1,0,0,640,480,0) ;
  }
  end ;
}
