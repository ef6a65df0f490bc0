// はじめてのZEP：クリックした所に丸を描き、クリックの回数を数えます。
// クリックするたびに LBUTTONDOWN が動き、MOUSE_X、MOUSE_Y の所に丸を描きます。
// 回数は SHOW_COUNT で書き直します。１分たつと TIMER が end で終わらせます。
// ためしてみよう：丸の大きさや色（2 と 6）を変えてみよう。
CREATE {
  SetWinStyle(2) ;
  SetWinSize(320, 200) ;
  SetCaption("はじめてのZEP") ;
  SetTimer(1000) ;
}
INIT {
  clicks = 0 ;
  seconds = 0 ;
}
PAINT {
  Print(10, 10, 0, 0, 20, 1, "クリックしてみよう") ;
  call("SHOW_COUNT") ;
}
LBUTTONDOWN {
  clicks = clicks + 1 ;
  Circle(MOUSE_X - 10, MOUSE_Y - 10, MOUSE_X + 10, MOUSE_Y + 10, 2, 6) ;
  call("SHOW_COUNT") ;
  if (clicks == 10) { SetCaption("１０回クリックしました") ; }
}
SHOW_COUNT {
  Box(10, 40, 120, 60, 7, 7) ;
  Print(10, 40, 0, 0, 16, 0, "回数") ;
  PrintData(50, 40, 0, 0, 16, 9, 0, clicks) ;
}
TIMER {
  seconds = seconds + 1 ;
  if (seconds >= 60) { end ; }
}
