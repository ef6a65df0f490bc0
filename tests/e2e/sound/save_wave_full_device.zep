// SaveWaveBuf reports an image that cannot be written: the Linux device
// /dev/full, reached through Wine's drive Z:, answers every write with "no
// space left on device", and the run stops with the error box.
//! window RUN "保存"
//! click 5 5
//! box! "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : SaveWaveBuf\r\n\r\nファイルを開けません"
//! gone
//! exit 0
CREATE { WaveBuf("音", 100) ; SetCaption("保存") ; SetWinSize(200, 100) ; }
LBUTTONDOWN { OpenFileWrite("Z:\dev\full") ; SaveWaveBuf("音") ; SetCaption("書けた") ; }
