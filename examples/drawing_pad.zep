// お絵かき帳：左ボタンを押したままマウスを動かすと線が引けます。
// 右クリックで色が変わり、ダブルクリックで全部消えます。
// マウスが動くたびに MOUSEMOVE が動くので、前の位置から今の位置まで Line で線を引きます。
// ためしてみよう：色の数をふやしたり、線のかわりに小さな丸を描いたりしてみよう。
CREATE {
  SetCaption("お絵かき帳") ;
  SetWinSize(360, 280) ;
  SetWinColor(7) ;
}
INIT { pen = 0 ; colour = 1 ; }
LBUTTONDOWN { pen = 1 ; lx = MOUSE_X ; ly = MOUSE_Y ; Point(lx, ly, colour) ; }
LBUTTONUP { pen = 0 ; }
MOUSEMOVE {
  if (pen == 1) {
    Line(lx, ly, MOUSE_X, MOUSE_Y, colour) ;
    lx = MOUSE_X ; ly = MOUSE_Y ;
  }
}
RBUTTONDOWN {
  colour = colour + 1 ;
  if (colour > 6) { colour = 1 ; }
  Box(4, 4, 20, 20, 0, colour) ;
}
LBUTTONDBLCLK { FullPaint(7) ; }
PAINT {
  Print(24, 4, 0, 0, 12, 14, "右クリックで色、ダブルクリックで消す") ;
  Box(4, 4, 20, 20, 0, colour) ;
}
