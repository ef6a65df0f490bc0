// キャッチゲーム：矢印キー（←→）でかごを動かし、落ちてくる玉を受けます。
// ← は KEY 37、→ は KEY 39 です。新しい玉の落ちる場所は rand で決めます。
// 玉を 10 回落とすと、おしまいです。
// ためしてみよう：玉の落ちる速さ（y = y + 6）や、かごの幅を変えてみよう。
CREATE {
  SetCaption("キャッチゲーム") ;
  SetWinSize(300, 320) ;
  SubScreen(300, 320) ;
  SetTimer(40) ;
}
INIT {
  bx = 130 ;                 // かごの左の位置
  score = 0 ; miss = 0 ;
  seed = SEC ;
  call("NEW_BALL") ;
}
// rand(x) は x を種にして 0～99 の数を返す。種を変えるたびにちがう数が出る。
NEW_BALL {
  seed = seed + 7 ;
  x = 20 + rand(seed) * 2.5 ;
  y = 0 ;
}
KEYDOWN {
  if (KEY == 37) { bx = bx - 20 ; }
  if (KEY == 39) { bx = bx + 20 ; }
  if (bx < 0) { bx = 0 ; }
  if (bx > 240) { bx = 240 ; }
}
TIMER {
  if (miss < 10) { y = y + 6 ; }
  if (y > 270) {
    if (x > bx - 8) { if (x < bx + 68) { score = score + 1 ; } }
    if (x <= bx - 8) { miss = miss + 1 ; }
    if (x >= bx + 68) { miss = miss + 1 ; }
    call("NEW_BALL") ;
  }
  SelectScreen(0) ;
  FullPaint(0) ;
  Circle(x - 8, y - 8, x + 8, y + 8, 6, 6) ;
  Box(bx, 280, bx + 60, 292, 5, 12) ;
  Print(8, 4, 0, 0, 16, 7, "とった") ;
  PrintData(70, 4, 0, 0, 16, 6, 0, score) ;
  Print(150, 4, 0, 0, 16, 7, "ミス") ;
  PrintData(200, 4, 0, 0, 16, 2, 0, miss) ;
  if (miss >= 10) { Print(70, 140, 0, 0, 28, 2, "おしまい") ; }
  CopyBMP(0, 0, 0, 300, 320, 1, 0, 0, 300, 320, 0) ;
}
