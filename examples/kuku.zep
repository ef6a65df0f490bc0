// 九九の表：loop を二重にして九九の表を書き、if でマスの色を分けます。
// マスをクリックすると、その段と列に色が付き、下に式が出ます。
// 表の外をクリックしたときは return で何もせずに戻ります。Esc キーで end して終わります。
// 一つのマスは call("CELL") で書くので、マスの書き方を変えるときは CELL だけを直せば足ります。
// ためしてみよう：色を分ける if の条件を変えたり（3 の倍数だけ色を付けるなど）、
// 表を 12 × 12 にしたりしてみよう。
CREATE {
  SetCaption("九九の表") ;
  SetWinStyle(2) ;
  SetWinSize(340, 360) ;
  SetWinColor(7) ;
}
INIT { 段 = 0 ; 列 = 0 ; }
PAINT { call("TABLE") ; }
// 表の左上は (30, 30)、一つのマスは 32 ドット四方
TABLE {
  y = 1 ;
  loop (9) {
    x = 1 ;
    loop (9) {
      call("CELL") ;
      x = x + 1 ;
    }
    y = y + 1 ;
  }
  // 上と左の見出し
  i = 1 ;
  loop (9) {
    PrintData(i * 32 + 8, 8, 0, 0, 16, 1, 0, i) ;
    PrintData(10, i * 32 + 6, 0, 0, 16, 1, 0, i) ;
    i = i + 1 ;
  }
  call("FORMULA") ;
}
// x 列 y 段のマスを一つ書く
CELL {
  色 = 7 ;
  // 答えが偶数ならうすい灰色、同じ数どうし（1×1、2×2…）なら水色
  if ((x * y) % 2 == 0) { 色 = 15 ; }
  if (x == y) { 色 = 5 ; }
  // クリックした段と列は黄色、その交わるマスは赤
  if (x == 列) { 色 = 6 ; }
  if (y == 段) { 色 = 6 ; }
  if (x == 列) { if (y == 段) { 色 = 2 ; } }
  左 = x * 32 - 2 ;
  上 = y * 32 - 2 ;
  Box(左, 上, 左 + 33, 上 + 33, 14, 色) ;
  字 = 0 ;
  if (色 == 2) { 字 = 7 ; }
  if (x * y < 10) { 左 = 左 + 5 ; }
  PrintData(左 + 7, 上 + 8, 0, 0, 16, 字, 0, x * y) ;
}
// 下の式：まだ何もクリックしていなければ、使い方を書く
FORMULA {
  Box(0, 326, 340, 360, 7, 7) ;
  if (段 == 0) {
    Print(30, 332, 0, 0, 16, 8, "マスをクリックしてね（Esc でおわり）") ;
    return ;
  }
  PrintData(30, 330, 0, 0, 22, 1, 0, 段) ;
  Print(60, 330, 0, 0, 22, 0, "×") ;
  PrintData(90, 330, 0, 0, 22, 1, 0, 列) ;
  Print(120, 330, 0, 0, 22, 0, "＝") ;
  PrintData(150, 330, 0, 0, 22, 2, 0, 段 * 列) ;
}
LBUTTONDOWN {
  // 表の外なら何もしないで戻る
  if (MOUSE_X < 30) { return ; }
  if (MOUSE_Y < 30) { return ; }
  if (MOUSE_X >= 318) { return ; }
  if (MOUSE_Y >= 318) { return ; }
  列 = fix((MOUSE_X - 30) / 32) + 1 ;
  段 = fix((MOUSE_Y - 30) / 32) + 1 ;
  call("TABLE") ;
}
LBUTTONDBLCLK { call("LBUTTONDOWN") ; }
KEYDOWN {
  if (KEY == 27) { end ; }
}
