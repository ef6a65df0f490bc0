// 絵のボタン：上のボタンで窓に顔を描きます。ボタンの上でしばらく待つと説明が出ます。
// 種類 1 の ＢＭＰボタンには、SetButtonGrp で標準の絵を付けたり、BmpBtCircle や
// BmpBtLine などで自分で絵を描いたりできます。CreateControl の文字はヒントになります。
// ボタンを押すと、そのＩＤと同じ名前のセクションが動きます。
// ためしてみよう：顔のボタンの絵を変えたり、ボタンを一つ足して別の形を描いたりしてみよう。
CREATE {
  SetCaption("絵のボタン") ;
  SetWinStyle(2) ;
  SetWinSize(320, 240) ;
  CreateControl(1, "新しい紙", "ID_clear", 10, 10, 36, 36) ;
  CreateControl(1, "左へ", "ID_left", 50, 10, 36, 36) ;
  CreateControl(1, "右へ", "ID_right", 90, 10, 36, 36) ;
  CreateControl(1, "顔を描く", "ID_face", 130, 10, 36, 36) ;
  CreateControl(1, "四角を描く", "ID_box", 170, 10, 36, 36) ;
  CreateControl(1, "おわり", "ID_end", 274, 10, 36, 36) ;
}
INIT {
  x = 130 ;
  c = 6 ;
  SetButtonGrp("ID_clear", 1) ;
  SetButtonGrp("ID_left", 16) ;
  SetButtonGrp("ID_right", 17) ;
  SetButtonGrp("ID_end", 9) ;
  // 顔のボタンは自分で描きます。
  BmpBtCircle("ID_face", 6, 6, 30, 30, 0, 6) ;
  BmpBtPoint("ID_face", 13, 14, 0) ;
  BmpBtPoint("ID_face", 14, 14, 0) ;
  BmpBtPoint("ID_face", 22, 14, 0) ;
  BmpBtPoint("ID_face", 23, 14, 0) ;
  BmpBtLine("ID_face", 13, 22, 18, 25, 2) ;
  BmpBtLine("ID_face", 18, 25, 24, 21, 2) ;
  BmpBtBox("ID_box", 8, 8, 28, 28, 1, 5) ;
}
ID_clear { FullPaint(7) ; }
ID_left {
  x = x - 20 ;
  if (x < 0) { x = 0 ; }
}
ID_right {
  x = x + 20 ;
  if (x > 250) { x = 250 ; }
}
ID_face {
  Circle(x, 80, x + 60, 140, 0, 6) ;
  Circle(x + 15, 98, x + 25, 108, 0, 0) ;
  Circle(x + 35, 98, x + 45, 108, 0, 0) ;
  Arc(x + 15, 100, x + 45, 128, 90, 270, 2) ;
}
ID_box {
  Box(x, 160, x + 60, 220, 0, c) ;
  c = c + 1 ;
  if (c > 15) { c = 1 ; }
}
ID_end { end ; }
