// Add3DPack beyond the pack's size fails with code 42; in CREATE the
// message names the section CREATE and no window opens.
//! box! "ZEP Error" "サブルーチン : CREATE\r\n\r\n コマンド : Add3DPack\r\n\r\n３Ｄパックへの登録データ数が多すぎます"
//! exit 0
CREATE {
  Create3DPack(0,1) ;
  Add3DPack(0, 0,0,0, 1,0,0, 0,1,0, 1,2,3) ;
  Add3DPack(0, 0,0,0, 1,0,0, 0,1,0, 1,2,3) ;
}
