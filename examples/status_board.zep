// いまのようす：予約変数の今の値と、いま動いたセクション（イベント）を見せます。
// マウスを動かす、クリックする、キーを押す、ウィンドウを動かす、大きさを変える、
// スクロールバーを動かす、ほかのウィンドウを選ぶ…と、そのセクションのランプが光ります。
// 右側には MOUSE_X や WIN_X、KEY、時刻などの予約変数を、TIMER ごとに書き直します。
// ためしてみよう：ランプが消えるまでの時間（10）を変えたり、光った回数を数えて
// 書いたりしてみよう。
CREATE {
  SetCaption("いまのようす") ;
  SetWinSize(420, 330) ;
  SetScrollBar(100, 100) ;
  SubScreen(420, 330) ;
  SetTimer(100) ;
  // ランプ(0, n) は n 番のランプの明るさ（10 で光り、TIMER ごとに 1 ずつ暗くなる）
  Data("ランプ", 1, 22) ;
}
INIT { ランプ(0, 0) = 10 ; }
PAINT { ランプ(0, 1) = 10 ; call("SHOW") ; }
SIZE { ランプ(0, 2) = 10 ; }
MOVE { ランプ(0, 3) = 10 ; }
MOUSEMOVE { ランプ(0, 5) = 10 ; }
LBUTTONDOWN { ランプ(0, 6) = 10 ; }
LBUTTONUP { ランプ(0, 7) = 10 ; }
LBUTTONDBLCLK { ランプ(0, 8) = 10 ; }
RBUTTONDOWN { ランプ(0, 9) = 10 ; }
RBUTTONUP { ランプ(0, 10) = 10 ; }
RBUTTONDBLCLK { ランプ(0, 11) = 10 ; }
MBUTTONDOWN { ランプ(0, 12) = 10 ; }
MBUTTONUP { ランプ(0, 13) = 10 ; }
MBUTTONDBLCLK { ランプ(0, 14) = 10 ; }
KEYDOWN { ランプ(0, 15) = 10 ; }
KEYUP { ランプ(0, 16) = 10 ; }
CHARDOWN { ランプ(0, 17) = 10 ; }
SETFOCUS { ランプ(0, 18) = 10 ; }
KILLFOCUS { ランプ(0, 19) = 10 ; }
HSCROLLBAR { ランプ(0, 20) = 10 ; }
VSCROLLBAR { ランプ(0, 21) = 10 ; }
// CLOSE があるときは、end を書かないとウィンドウは閉じない
CLOSE { end ; }
TIMER {
  ランプ(0, 4) = 10 ;
  SelectScreen(0) ;
  FullPaint(7) ;
  call("LAMPS") ;
  call("VALUES") ;
  SelectScreen(1) ;
  call("SHOW") ;
  // ランプを少しずつ暗くする
  n = 0 ;
  loop (22) {
    if (ランプ(0, n) > 0) { ランプ(0, n) = ランプ(0, n) - 1 ; }
    n = n + 1 ;
  }
}
SHOW { CopyBMP(0, 0, 0, 420, 330, 1, 0, 0, 420, 330, 0) ; }
// n 番のランプを描き、その右に名前を書く位置 (lx, ly) を決める
LAMP {
  lx = 8 + fix(n / 11) * 130 ;
  ly = 8 + (n % 11) * 20 ;
  c = 15 ;
  if (ランプ(0, n) > 0) { c = 6 ; }
  if (ランプ(0, n) > 6) { c = 2 ; }
  Circle(lx, ly + 1, lx + 13, ly + 14, 8, c) ;
  lx = lx + 18 ;
}
LAMPS {
  n = 0 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "INIT") ;
  n = 1 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "PAINT") ;
  n = 2 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "SIZE") ;
  n = 3 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "MOVE") ;
  n = 4 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "TIMER") ;
  n = 5 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "MOUSEMOVE") ;
  n = 6 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "LBUTTONDOWN") ;
  n = 7 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "LBUTTONUP") ;
  n = 8 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "LBUTTONDBLCLK") ;
  n = 9 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "RBUTTONDOWN") ;
  n = 10 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "RBUTTONUP") ;
  n = 11 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "RBUTTONDBLCLK") ;
  n = 12 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "MBUTTONDOWN") ;
  n = 13 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "MBUTTONUP") ;
  n = 14 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "MBUTTONDBLCLK") ;
  n = 15 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "KEYDOWN") ;
  n = 16 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "KEYUP") ;
  n = 17 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "CHARDOWN") ;
  n = 18 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "SETFOCUS") ;
  n = 19 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "KILLFOCUS") ;
  n = 20 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "HSCROLLBAR") ;
  n = 21 ; call("LAMP") ; Print(lx, ly, 0, 0, 14, 0, "VSCROLLBAR") ;
}
// 名前を書いてから v に値を入れて VALUE を呼ぶと、その右に値を書いて次の行へ進む
VALUE {
  PrintData(350, vy, 0, 0, 14, 1, 0, v) ;
  vy = vy + 18 ;
}
VALUES {
  vy = 8 ;
  Print(270, vy, 0, 0, 14, 0, "MOUSE_X") ; v = MOUSE_X ; call("VALUE") ;
  Print(270, vy, 0, 0, 14, 0, "MOUSE_Y") ; v = MOUSE_Y ; call("VALUE") ;
  Print(270, vy, 0, 0, 14, 0, "WIN_X") ; v = WIN_X ; call("VALUE") ;
  Print(270, vy, 0, 0, 14, 0, "WIN_Y") ; v = WIN_Y ; call("VALUE") ;
  Print(270, vy, 0, 0, 14, 0, "WIN_L") ; v = WIN_L ; call("VALUE") ;
  Print(270, vy, 0, 0, 14, 0, "WIN_T") ; v = WIN_T ; call("VALUE") ;
  Print(270, vy, 0, 0, 14, 0, "SCR_X") ; v = SCR_X ; call("VALUE") ;
  Print(270, vy, 0, 0, 14, 0, "SCR_Y") ; v = SCR_Y ; call("VALUE") ;
  Print(270, vy, 0, 0, 14, 0, "SCROLL_H") ; v = SCROLL_H ; call("VALUE") ;
  Print(270, vy, 0, 0, 14, 0, "SCROLL_V") ; v = SCROLL_V ; call("VALUE") ;
  Print(270, vy, 0, 0, 14, 0, "KEY") ; v = KEY ; call("VALUE") ;
  Print(270, vy, 0, 0, 14, 0, "ASC") ; v = ASC ; call("VALUE") ;
  // 日付と時刻、円周率
  PrintData(270, 238, 0, 0, 14, 9, 0, YEAR) ; Print(306, 238, 0, 0, 14, 9, "年") ;
  PrintData(322, 238, 0, 0, 14, 9, 0, MONTH) ; Print(340, 238, 0, 0, 14, 9, "月") ;
  PrintData(356, 238, 0, 0, 14, 9, 0, DAY) ; Print(374, 238, 0, 0, 14, 9, "日") ;
  PrintData(270, 256, 0, 0, 14, 9, 0, HOUR) ; Print(288, 256, 0, 0, 14, 9, "時") ;
  PrintData(306, 256, 0, 0, 14, 9, 0, MIN) ; Print(324, 256, 0, 0, 14, 9, "分") ;
  PrintData(342, 256, 0, 0, 14, 9, 0, SEC) ; Print(360, 256, 0, 0, 14, 9, "秒") ;
  Print(270, 274, 0, 0, 14, 0, "PI") ;
  PrintData(300, 274, 0, 0, 14, 1, 5, PI) ;
  // 動かしているスクリプトのファイル名（FILE_NAME）
  Print(8, 306, 0, 0, 14, 8, "FILE_NAME") ;
}
