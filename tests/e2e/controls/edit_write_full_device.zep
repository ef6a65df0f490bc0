// WriteFileFromEdit reports a text that cannot be written: the Linux device
// /dev/full, reached through Wine's drive Z:, answers every write with "no
// space left on device", and the run stops with the error box instead of
// going on as if the field's text had been saved.
//! window RUN "書き出し"
//! click 5 60
//! box! "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : WriteFileFromEdit\r\n\r\nファイルを開けません"
//! gone
//! exit 0
CREATE {
  SetCaption("書き出し") ; SetWinSize(240, 100) ;
  CreateControl(101, "保存する文", "ID_edit", 10, 10, 200, 22) ;
}
LBUTTONDOWN {
  OpenFileWrite("Z:\dev\full") ; WriteFileFromEdit("ID_edit") ; SetCaption("書けた") ;
}
