// 跳ねるボール：TIMER のたびにボールを動かし、壁に当たったら向きを変えます。
// A bouncing ball: each timer tick moves it by (dx, dy); at a wall the
// direction turns. The picture is drawn on a back screen, then copied.
CREATE {
  SetCaption("跳ねるボール") ;
  SetWinSize(320, 240) ;
  SubScreen(320, 240) ;
  SetTimer(30) ;
}
INIT {
  x = 40 ; y = 30 ;
  dx = 5 ; dy = 3 ;
  r = 12 ;
}
TIMER {
  x = x + dx ;
  y = y + dy ;
  // WIN_X, WIN_Y: the size of the window's inside.
  if (x < r) { x = r ; dx = 0 - dx ; }
  if (x > WIN_X - r) { x = WIN_X - r ; dx = 0 - dx ; }
  if (y < r) { y = r ; dy = 0 - dy ; }
  if (y > WIN_Y - r) { y = WIN_Y - r ; dy = 0 - dy ; }
  SelectScreen(0) ;
  FullPaint(8) ;
  Circle(x - r, y - r, x + r, y + r, 6, 2) ;
  CopyBMP(0, 0, 0, 320, 240, 1, 0, 0, 320, 240, 0) ;
}
// クリックすると速さが変わる。
LBUTTONDOWN {
  dx = dx + 1 ;
  if (dx > 12) { dx = 2 ; }
}
