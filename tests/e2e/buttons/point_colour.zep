// BmpBtPoint with colour 16 fails with the colour error.
//! box! "ZEP Error" "サブルーチン : INIT\r\n\r\n コマンド : BmpBtPoint\r\n\r\n色指定の値が無効です"
//! exit 0
CREATE {
  SetCaption("点") ; SetWinSize(200, 100) ;
  CreateControl(1, "", "ID_bb", 10, 10, 30, 30) ;
}
INIT { BmpBtPoint("ID_bb", 1, 1, 16) ; }
