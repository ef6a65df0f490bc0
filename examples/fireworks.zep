// 花火：夜空をクリックすると、その場所に花火が上がります。ほうっておいても時々上がります。
// 火花４８個の位置と速さを配列（Data）に入れて、TIMER ごとに動かします。
// 飛ぶ向きは sin と cos、花火の大きさは sqrt、色や場所は rand、切り捨ては fix で決めます。
// 星のまたたきは abs で、星の位置は縦２段の配列に入れています。
// メニューの「自動で上げる」「音を鳴らす」は SetMenuStyle でチェックを付け外しします。
// ためしてみよう：火花の数や重力（0.12）を変えたり、二色の花火にしたりしてみよう。
CREATE {
  SetCaption("花火") ;
  SetWinStyle(2) ;
  SetWinSize(360, 280) ;
  SubScreen(360, 280) ;
  SetTimer(40) ;
  Menu("花火(&H)") ;
  PopupMenuEX("自動で上げる(&A)", "ID_auto") ;
  PopupMenuEX("音を鳴らす(&S)", "ID_sound") ;
  PopupMenu("---") ;
  PopupMenuEX("おわり(&X)", "ID_end") ;
  Data("火花x", 1, 48) ;
  Data("火花y", 1, 48) ;
  Data("速さx", 1, 48) ;
  Data("速さy", 1, 48) ;
  // 星(0, i) に横の位置、星(1, i) に縦の位置
  Data("星", 2, 20) ;
}
INIT {
  種 = SEC ;
  自動 = 1 ; 音 = 0 ; t = 0 ;
  SetMenuStyle("ID_auto", 1, 0) ;
  // はじめは火花を全部、画面の外に置いておく
  DataInit("火花y", 999) ;
  i = 0 ;
  loop (20) {
    call("NEXT") ; 星(0, i) = 乱数 * 3.6 ;
    call("NEXT") ; 星(1, i) = 乱数 * 1.9 ;
    i = i + 1 ;
  }
  cx = 180 ; cy = 90 ;
  call("LAUNCH") ;
}
// 次の乱数（0～99）を 乱数 に入れる。種を大きく飛ばしながら変えるので、
// 続けて呼んでも数がばらばらになる
NEXT {
  種 = (種 * 31 + 7) % 9973 ;
  乱数 = rand(種) ;
}
// 花火を一つ上げる：(cx, cy) から 48 個の火花を、内と外の二つの輪に飛ばす
LAUNCH {
  call("NEXT") ;
  色 = 乱数 % 6 + 1 ;
  // 高い所ほど大きな花火
  力 = sqrt(WIN_Y - cy) / 4 + 1 ;
  i = 0 ;
  loop (48) {
    速さ = 力 ;
    if (i >= 24) { 速さ = 力 / 2 ; }
    火花x(0, i) = cx ;
    火花y(0, i) = cy ;
    速さx(0, i) = cos(i * 15) * 速さ ;
    速さy(0, i) = sin(i * 15) * 速さ ;
    i = i + 1 ;
  }
  年 = 0 ;
  call("NEXT") ;
  待ち = 25 + fix(乱数 / 4) ;
  if (音 == 1) { Beep(0) ; }
}
TIMER {
  t = t + 1 ;
  待ち = 待ち - 1 ;
  if (自動 == 1) {
    if (待ち <= 0) {
      call("NEXT") ; cx = 40 + 乱数 * 2.8 ;
      call("NEXT") ; cy = 30 + 乱数 ;
      call("LAUNCH") ;
    }
  }
  SelectScreen(0) ;
  FullPaint(0) ;
  call("SKY") ;
  call("SPARKS") ;
  SelectScreen(1) ;
  CopyBMP(0, 0, 0, 360, 280, 1, 0, 0, 360, 280, 0) ;
}
// 星と町：星は時々明るくまたたく
SKY {
  i = 0 ;
  loop (20) {
    c = 14 ;
    if (abs((t + i * 7) % 40 - 20) < 3) { c = 7 ; }
    Point(星(0, i), 星(1, i), c) ;
    i = i + 1 ;
  }
  Box(0, 250, 360, 280, 8, 8) ;
  Box(20, 220, 60, 250, 8, 8) ;
  Box(250, 200, 290, 250, 8, 8) ;
  Box(262, 212, 272, 222, 6, 6) ;
}
// 火花を動かして描く。落ちる速さは少しずつ増え（重力）、時間がたつと暗い色になる
SPARKS {
  年 = 年 + 1 ;
  c = 色 ;
  if (年 > 30) { c = 色 + 7 ; }
  i = 0 ;
  loop (48) {
    速さy(0, i) = 速さy(0, i) + 0.12 ;
    火花x(0, i) = 火花x(0, i) + 速さx(0, i) ;
    火花y(0, i) = 火花y(0, i) + 速さy(0, i) ;
    x = 火花x(0, i) ;
    y = 火花y(0, i) ;
    Circle(x - 2, y - 2, x + 3, y + 3, c, c) ;
    i = i + 1 ;
  }
}
LBUTTONDOWN { cx = MOUSE_X ; cy = MOUSE_Y ; call("LAUNCH") ; }
LBUTTONDBLCLK { call("LBUTTONDOWN") ; }
ID_auto { 自動 = 1 - 自動 ; SetMenuStyle("ID_auto", 自動, 0) ; }
ID_sound { 音 = 1 - 音 ; SetMenuStyle("ID_sound", 音, 0) ; }
ID_end { end ; }
