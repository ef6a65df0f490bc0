// A 3D command on a pack that was never created stops the run with code 40
// (INIT runs before the window shows).
//! box! "ZEP Error" "サブルーチン : INIT\r\n\r\n コマンド : Draw3DPack\r\n\r\n３Ｄパックのパック番号が無効です"
//! exit 0
CREATE {
  SetCaption("パック番号") ;
  SetWinSize(200,100) ;
  Create3DPack(0,1) ;
}
INIT { Draw3DPack(1) ; }
