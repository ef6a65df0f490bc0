// 色まぜ：三本のスクロールバーで赤・緑・青をまぜて、好きな色を作ります。
// スクロールバー（種類 70）のつまみを動かすと、そのバーのＩＤと同じ名前の
// セクションが動きます。GetScrollPos でつまみの位置（0～255）を読み、
// SetPal でパレットの 15 番にその色を入れて、大きな四角をぬります。
// GetPixelR、GetPixelG、GetPixelB で、ぬった所の色を画面から読み返します。
// ためしてみよう：「おまかせ」の色の決め方を変えたり、四角のかわりに
// Circle で丸をぬったりしてみよう。
CREATE {
  SetCaption("色まぜ") ;
  SetWinStyle(2) ;
  SetWinSize(340, 200) ;
  SetWinColor(16) ;
  // 種類 60 は文字だけのラベル、70 は横向きのスクロールバー
  CreateControl(60, "赤", "ID_label_r", 10, 20, 20, 18) ;
  CreateControl(70, "", "ID_red", 34, 18, 140, 18) ;
  CreateControl(60, "緑", "ID_label_g", 10, 60, 20, 18) ;
  CreateControl(70, "", "ID_green", 34, 58, 140, 18) ;
  CreateControl(60, "青", "ID_label_b", 10, 100, 20, 18) ;
  CreateControl(70, "", "ID_blue", 34, 98, 140, 18) ;
  CreateControl(0, "おまかせ", "ID_random", 10, 150, 90, 28) ;
  CreateControl(0, "白にもどす", "ID_white", 110, 150, 90, 28) ;
}

INIT {
  種 = SEC ;
  // どのバーも 0～255 にして、はじめの色（オレンジ）に合わせる
  SetScrollRange("ID_red", 255) ;
  SetScrollRange("ID_green", 255) ;
  SetScrollRange("ID_blue", 255) ;
  SetScrollPos("ID_red", 250) ;
  SetScrollPos("ID_green", 150) ;
  SetScrollPos("ID_blue", 40) ;
}

PAINT { call("MIX") ; }

// どのバーを動かしても、色をまぜ直す
ID_red { call("MIX") ; }
ID_green { call("MIX") ; }
ID_blue { call("MIX") ; }

// rand で三つの位置を決めてから、まぜ直す
ID_random {
  種 = 種 + 11 ;
  SetScrollPos("ID_red", rand(種) * 2.55) ;
  種 = 種 + 11 ;
  SetScrollPos("ID_green", rand(種) * 2.55) ;
  種 = 種 + 11 ;
  SetScrollPos("ID_blue", rand(種) * 2.55) ;
  call("MIX") ;
}

ID_white {
  SetScrollPos("ID_red", 255) ;
  SetScrollPos("ID_green", 255) ;
  SetScrollPos("ID_blue", 255) ;
  call("MIX") ;
}

// つまみの位置を読んで 15 番の色を作り、四角をぬる
MIX {
  赤 = GetScrollPos("ID_red") ;
  緑 = GetScrollPos("ID_green") ;
  青 = GetScrollPos("ID_blue") ;
  SetPal(15, 赤, 緑, 青) ;
  Box(225, 14, 330, 119, 0, 15) ;
  // バーの横に今の数を書く（白い四角で前の数を消してから）
  Box(180, 16, 216, 38, 8, 7) ;
  PrintData(184, 19, 0, 0, 16, 2, 0, 赤) ;
  Box(180, 56, 216, 78, 8, 7) ;
  PrintData(184, 59, 0, 0, 16, 11, 0, 緑) ;
  Box(180, 96, 216, 118, 8, 7) ;
  PrintData(184, 99, 0, 0, 16, 1, 0, 青) ;
  // ぬった四角のまん中の色を、画面から読み返して見せる
  Box(210, 128, 336, 192, 8, 7) ;
  Print(216, 132, 0, 0, 14, 0, "画面から読んだ色") ;
  Print(216, 152, 0, 0, 14, 2, "R") ;
  PrintData(228, 152, 0, 0, 14, 0, 0, GetPixelR(277, 66)) ;
  Print(258, 152, 0, 0, 14, 11, "G") ;
  PrintData(270, 152, 0, 0, 14, 0, 0, GetPixelG(277, 66)) ;
  Print(300, 152, 0, 0, 14, 1, "B") ;
  PrintData(312, 152, 0, 0, 14, 0, 0, GetPixelB(277, 66)) ;
  Print(216, 172, 0, 0, 12, 8, "つまみを動かしてね") ;
}
