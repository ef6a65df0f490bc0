// A wave file whose format block names 0 channels is refused when it is
// registered, with the error box: the player divides by the channel count
// when it plays the file, so a registered file of 0 channels would stop the
// run without a word at its PlaySound.
//! window RUN "零チャンネル"
//! click 5 5
//! box! "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : EntryWaveFile\r\n\r\nＷＡＶＥファイルの登録に失敗しました"
//! gone
//! exit 0
CREATE { SetCaption("零チャンネル") ; SetWinSize(200, 100) ; }
LBUTTONDOWN { EntryWaveFile(0, "zero_channels.wav") ; PlaySound(0, 0) ; SetCaption("鳴った") ; }
