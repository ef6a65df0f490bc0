// Japanese names work everywhere, also those whose second byte is a brace
// code (ボ is 0x83 0x7B, マ is 0x83 0x7D); the error box names the section.
//! window RUN "名前"
//! click 5 5
//! box "ZEP Error" "サブルーチン : マウス処理\r\n\r\n 変数 : ボール\r\n\r\n変数の値が未定です"
//! exit 0
CREATE { SetCaption("名前") ; SetWinSize(200, 100) ; }
INIT { マス目 = 0 ; }
LBUTTONDOWN {
  loop(3) { call("ボタン押し") ; }
  if (マス目 == 3) { call("マウス処理") ; }
  call("BAD_COUNT") ;
}
ボタン押し { マス目 = マス目 + 1 ; }
マウス処理 { x = ボール ; }
