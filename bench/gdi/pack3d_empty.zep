// The same window and pack as pack3d.zep, ended at once: the start-up,
// the 1,024 Add3DPack, the first timer tick and the exit time.
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
  SelectScreen(0) ;
  FullPaint(0) ;
  SelectScreen(1) ;
  CopyBMP(0,0,0,640,480,1,0,0,640,480,0) ;
  end ;
}
