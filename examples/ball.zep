// 跳ねるボール：TIMER のたびにボールを動かし、壁に当たったら向きを変えます。
// ボールは TIMER のたびに横へ dx、縦へ dy だけ進みます。壁に当たると、
// その向きの速さを 0 - dx のように逆にして、はね返ります。
// 絵は裏画面に描いてからウィンドウに写すので、ちらつきません。
// クリックすると横の速さが変わります。
// ためしてみよう：ボールの大きさ r や色、SetTimer の時間を変えてみよう。
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
  // WIN_X、WIN_Y はウィンドウの中の幅と高さ
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
