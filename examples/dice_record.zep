// さいころの記録：クリックでさいころをふり、出た目の回数をファイルに残します。
// 回数は dice_record.dat というファイルに書くので、次に動かしたときも
// 続きから数えます。はじめて動かしたときはファイルが無く、GetFileLength が
// -1 を返すので、0 から数えます。１バイトには 0～255 しか入らないので、
// 一つの回数を２バイト（256 がいくつと、その残り）に分けて書きます。
// 右クリックで記録を消せます。
// ためしてみよう：ころがる時間（回す = 12）を変えたり、さいころを
// 二つにして合計の記録をとったりしてみよう。
CREATE {
  SetCaption("さいころの記録") ;
  SetWinStyle(2) ;
  SetWinSize(340, 210) ;
  SetWinColor(7) ;
  SetTimer(60) ;
  // 回数(0, 1)～回数(0, 6) に、目ごとの回数を入れる
  Data("回数", 1, 7) ;
}
INIT {
  種 = SEC + MIN * 60 ;
  目 = 0 ;
  回す = 0 ;
  DataInit("回数", 0) ;
  call("LOAD") ;
}
// 記録を読む。ファイルが無いか、長さがちがうときは 0 のまま
LOAD {
  if (GetFileLength("dice_record.dat") != 12) { return ; }
  OpenFileRead("dice_record.dat") ;
  i = 1 ;
  loop (6) {
    回数(0, i) = ReadFile(i * 2 - 2) * 256 + ReadFile(i * 2 - 1) ;
    i = i + 1 ;
  }
  CloseFile ;
}
// 記録を書く（前の中身は消えて、書き直しになる）
SAVE {
  OpenFileWrite("dice_record.dat") ;
  i = 1 ;
  loop (6) {
    WriteFile(i * 2 - 2, fix(回数(0, i) / 256)) ;
    WriteFile(i * 2 - 1, 回数(0, i) % 256) ;
    i = i + 1 ;
  }
  CloseFile ;
}
PAINT { call("DRAW") ; }
LBUTTONDOWN { call("ROLL") ; }
LBUTTONDBLCLK { call("ROLL") ; }
KEYDOWN { if (KEY == 32) { call("ROLL") ; } }
RBUTTONDOWN {
  if (MessBox("記録を全部消しますか？", "さいころの記録", 3, 3) == 1) {
    DataInit("回数", 0) ;
    call("SAVE") ;
    call("DRAW") ;
  }
}
// ころがっている間は、もう一度ふれない
ROLL {
  if (回す > 0) { return ; }
  回す = 12 ;
}
// ころがる間は目がかわり、止まったら記録する
TIMER {
  if (回す == 0) { return ; }
  種 = (種 * 31 + MOUSE_X + 7) % 9973 ;
  目 = rand(種) % 6 + 1 ;
  回す = 回す - 1 ;
  call("DIE") ;
  if (回す == 0) {
    回数(0, 目) = 回数(0, 目) + 1 ;
    call("SAVE") ;
    call("DRAW") ;
  }
}
// さいころの面を描く（前の点は白い面で消える）
DIE {
  RBox(20, 40, 130, 150, 20, 20, 0, 7) ;
  if (目 == 0) { Print(50, 68, 0, 0, 48, 14, "？") ; }
  if (目 % 2 == 1) { px = 75 ; py = 95 ; call("PIP") ; }
  if (目 >= 2) { px = 48 ; py = 68 ; call("PIP") ; px = 102 ; py = 122 ; call("PIP") ; }
  if (目 >= 4) { px = 102 ; py = 68 ; call("PIP") ; px = 48 ; py = 122 ; call("PIP") ; }
  if (目 == 6) { px = 48 ; py = 95 ; call("PIP") ; px = 102 ; py = 95 ; call("PIP") ; }
}
// 画面全体：さいころ、使い方、回数のグラフ
DRAW {
  Box(0, 0, 340, 210, 7, 7) ;
  call("DIE") ;
  Print(20, 164, 0, 0, 14, 8, "クリックでふる") ;
  Print(20, 182, 0, 0, 14, 8, "右クリックで消す") ;
  // 回数のグラフ：いちばん多い目の棒を 110 ドットにする
  最大 = 1 ;
  i = 1 ;
  loop (6) {
    if (回数(0, i) > 最大) { 最大 = 回数(0, i) ; }
    i = i + 1 ;
  }
  合計 = 0 ; i = 1 ;
  loop (6) {
    y = 14 + i * 24 ;
    色 = 1 ;
    if (i == 目) { if (回す == 0) { 色 = 2 ; } }
    PrintData(160, y, 0, 0, 16, 0, 0, i) ;
    Box(176, y, 176 + 回数(0, i) * 110 / 最大 + 1, y + 16, 色, 色) ;
    PrintData(292, y, 0, 0, 16, 色, 0, 回数(0, i)) ;
    合計 = 合計 + 回数(0, i) ;
    i = i + 1 ;
  }
  Print(160, 14, 0, 0, 16, 0, "出た回数") ;
  Print(160, 184, 0, 0, 16, 0, "合計") ;
  PrintData(210, 184, 0, 0, 16, 0, 0, 合計) ;
}
// 目の点を一つ描く。１の目だけは大きな赤
PIP {
  r = 8 ;
  色 = 0 ;
  if (目 == 1) { r = 14 ; 色 = 2 ; }
  Circle(px - r, py - r, px + r, py + r, 色, 色) ;
}
