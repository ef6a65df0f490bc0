// A byte that cannot be written is reported: the Linux device /dev/full,
// reached through Wine's drive Z:, answers every write with "no space left
// on device", and WriteFile stops the run with the error box instead of
// going on as if the byte had been written.
//! window RUN "満杯"
//! click 5 5
//! box! "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : WriteFile\r\n\r\nファイルを開けません"
//! gone
//! exit 0
CREATE { SetCaption("満杯") ; SetWinSize(200, 100) ; }
LBUTTONDOWN { OpenFileWrite("Z:\dev\full") ; WriteFile(0, 65) ; SetCaption("書けた") ; }
