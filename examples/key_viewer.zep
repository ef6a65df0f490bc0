// キーコード表示：押したキーのコード（KEY）と文字コード（ASC）を見せます。
// 矢印キーは ← 37、↑ 38、→ 39、↓ 40、スペースは 32、Enter は 13 です。
// キーを押すと KEYDOWN が動いて KEY が変わり、文字のキーなら CHARDOWN も動いて
// ASC が変わります。
// ためしてみよう：Shift を押しながら文字のキーを押すと、ASC がどう変わるか見てみよう。
CREATE {
  SetCaption("キーコード") ;
  SetWinSize(300, 160) ;
}
INIT { k = 0 ; a = 0 ; }
KEYDOWN { k = KEY ; call("SHOW") ; }
CHARDOWN { a = ASC ; call("SHOW") ; }
PAINT { call("SHOW") ; }
SHOW {
  Box(0, 0, 300, 160, 7, 7) ;
  Print(10, 10, 0, 0, 16, 0, "キーを押してください") ;
  Print(10, 50, 0, 0, 20, 8, "KEY") ;
  PrintData(80, 50, 0, 0, 20, 2, 0, k) ;
  Print(10, 90, 0, 0, 20, 8, "ASC") ;
  PrintData(80, 90, 0, 0, 20, 2, 0, a) ;
  if (a >= 32) { if (a < 127) { PrintCode(150, 90, 0, 0, 20, 1, a) ; } }
}
