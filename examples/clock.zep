// 時計：HOUR、MIN、SEC で今の時刻を読み、針のある時計と数字で見せます。
// TIMER で１秒ごとに裏画面へ描き直し、できた絵をまとめてウィンドウに写します。
// 針の先の位置は sin と cos で計算します（角度は度、真上から時計回り）。
// ためしてみよう：針の色や長さを変えたり、文字盤の点を大きくしたりしてみよう。
CREATE {
  SetCaption("時計") ;
  SetWinSize(260, 300) ;
  SubScreen(240, 270) ;
  SetTimer(1000) ;
}
INIT { call("DRAW") ; }
TIMER { call("DRAW") ; call("SHOW") ; }
PAINT { call("SHOW") ; }
SHOW { CopyBMP(0, 0, 0, 240, 270, 1, 0, 0, 240, 270, 0) ; }
// 文字盤と三本の針を裏画面に描く。角度は真上から時計回り。
DRAW {
  SelectScreen(0) ;
  FullPaint(7) ;
  Circle(20, 20, 220, 220, 8, 7) ;
  i = 0 ;
  loop (12) {
    a = i * 30 ;
    Circle(117 + sin(a) * 88, 117 - cos(a) * 88, 123 + sin(a) * 88, 123 - cos(a) * 88, 8, 8) ;
    i = i + 1 ;
  }
  h = (HOUR % 12) * 30 + MIN / 2 ;
  m = MIN * 6 ;
  s = SEC * 6 ;
  Line(120, 120, 120 + sin(h) * 50, 120 - cos(h) * 50, 8) ;
  Line(120, 120, 120 + sin(m) * 75, 120 - cos(m) * 75, 1) ;
  Line(120, 120, 120 + sin(s) * 85, 120 - cos(s) * 85, 2) ;
  Circle(115, 115, 125, 125, 0, 0) ;
  PrintData(60, 235, 0, 0, 24, 8, 0, HOUR) ;
  Print(100, 235, 0, 0, 24, 8, ":") ;
  PrintData(115, 235, 0, 0, 24, 8, 0, MIN) ;
  Print(150, 235, 0, 0, 24, 8, ":") ;
  PrintData(165, 235, 0, 0, 24, 8, 0, SEC) ;
}
