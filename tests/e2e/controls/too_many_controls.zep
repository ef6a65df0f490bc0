// The 257th CreateControl of a run fails with the fixed message.
//! box! "ZEP Error" "サブルーチン : CREATE\r\n\r\n コマンド : CreateControl\r\n\r\nコントロールの作成に失敗しました"
//! exit 0
CREATE {
  loop (257) { CreateControl(0, "b", "ID_b", 0, 0, 10, 10) ; }
}
