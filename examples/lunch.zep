// お弁当屋さん：リストでお弁当を、コンボボックスで飲み物をえらんでカゴに入れ、合計を出します。
// GetListPos でえらんだ項目の番号（0 から）を読み、その番号で配列から値段を
// 取り出します。GetListText と GetComboText はえらばれた文字を一行エディットに
// 写すので、その文字を SetListText でカゴのリストに加えます。
// ためしてみよう：お弁当や飲み物をふやしたり（値段の配列も大きくする）、
// おこづかいの 700 円を変えたりしてみよう。
CREATE {
  SetCaption("お弁当屋さん") ;
  SetWinStyle(2) ;
  SetWinSize(360, 300) ;
  SetWinColor(16) ;
  Data("お弁当の値段", 1, 5) ;
  Data("飲み物の値段", 1, 4) ;
  // 種類 41 は並べかえないリスト、33 は文字を打てないコンボボックス
  CreateControl(60, "お弁当", "ID_label1", 10, 8, 100, 18) ;
  CreateControl(41, "", "ID_menu", 10, 28, 160, 100) ;
  CreateControl(60, "飲み物", "ID_label2", 10, 136, 100, 18) ;
  CreateControl(33, "", "ID_drink", 10, 156, 160, 120) ;
  CreateControl(0, "カゴに入れる →", "ID_add", 10, 192, 160, 28) ;
  CreateControl(60, "カゴ", "ID_label3", 190, 8, 100, 18) ;
  CreateControl(41, "", "ID_cart", 190, 28, 160, 152) ;
  CreateControl(0, "はじめから", "ID_again", 190, 192, 160, 28) ;
  CreateControl(60, "入れたもの", "ID_label4", 10, 234, 80, 18) ;
  CreateControl(101, "", "ID_work", 90, 230, 260, 22) ;
}
INIT {
  おこづかい = 700 ;
  合計 = 0 ;
  SetListText("ID_menu", "からあげ弁当 450円") ;
  SetListText("ID_menu", "のり弁当 350円") ;
  SetListText("ID_menu", "ハンバーグ弁当 500円") ;
  SetListText("ID_menu", "おにぎりセット 300円") ;
  SetListText("ID_menu", "サンドイッチ 280円") ;
  お弁当の値段(0, 0) = 450 ; お弁当の値段(0, 1) = 350 ; お弁当の値段(0, 2) = 500 ;
  お弁当の値段(0, 3) = 300 ; お弁当の値段(0, 4) = 280 ;
  SetListText("ID_drink", "飲み物なし") ;
  SetListText("ID_drink", "お茶 100円") ;
  SetListText("ID_drink", "ジュース 130円") ;
  SetListText("ID_drink", "牛乳 90円") ;
  飲み物の値段(0, 0) = 0 ; 飲み物の値段(0, 1) = 100 ;
  飲み物の値段(0, 2) = 130 ; 飲み物の値段(0, 3) = 90 ;
  SetListPos("ID_menu", 0) ;
  SetListPos("ID_drink", 1) ;
}
PAINT { call("TOTAL") ; }
ID_add {
  n = GetListPos("ID_menu") ;
  // 何もえらばれていないときは -1
  if (n < 0) { return ; }
  AllClearEdit("ID_work") ;
  GetListText("ID_menu", "ID_work") ;
  SetListText("ID_cart", "ID_work") ;
  合計 = 合計 + お弁当の値段(0, n) ;
  // 「飲み物なし」（0 番）でなければ、飲み物もカゴへ
  d = GetListPos("ID_drink") ;
  if (d > 0) {
    AllClearEdit("ID_work") ;
    GetComboText("ID_drink", "ID_work") ;
    SetListText("ID_cart", "ID_work") ;
    合計 = 合計 + 飲み物の値段(0, d) ;
  }
  // 下のエディットに、いま入れたものを書く（文字はカーソルの所に入る）
  AllClearEdit("ID_work") ;
  GetListText("ID_menu", "ID_work") ;
  if (d > 0) {
    SetEditText("ID_work", " と ") ;
    GetComboText("ID_drink", "ID_work") ;
  }
  call("TOTAL") ;
}
ID_again {
  ClearList("ID_cart") ;
  AllClearEdit("ID_work") ;
  合計 = 0 ;
  SetListPos("ID_menu", 0) ;
  SetListPos("ID_drink", 1) ;
  call("TOTAL") ;
}
// 合計と、おこづかいで足りるかどうかを書く
TOTAL {
  Box(10, 262, 350, 296, 7, 7) ;
  Print(18, 270, 0, 0, 18, 0, "合計") ;
  PrintData(70, 270, 0, 0, 18, 1, 0, 合計) ;
  Print(116, 270, 0, 0, 18, 0, "円") ;
  if (合計 > おこづかい) { Print(180, 270, 0, 0, 18, 2, "お金が足りない！") ; }
  if (合計 <= おこづかい) {
    Print(180, 270, 0, 0, 18, 11, "のこり") ;
    PrintData(240, 270, 0, 0, 18, 11, 0, おこづかい - 合計) ;
    Print(286, 270, 0, 0, 18, 11, "円") ;
  }
}
