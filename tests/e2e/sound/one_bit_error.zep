// A wave file of 1 bit per sample is refused when it is registered, with
// the error box: the player plays 8 and 16 bits, and one bit makes a sample
// frame of no whole byte, which it divides by when it plays the file.
//! box! "ZEP Error" "サブルーチン : CREATE\r\n\r\n コマンド : EntryWaveFile\r\n\r\nＷＡＶＥファイルの登録に失敗しました"
//! exit 0
CREATE { EntryWaveFile(5, "one_bit.wav") ; SetCaption("一ビット") ; SetWinSize(200, 100) ; }
LBUTTONDOWN { PlaySound(5, 0) ; SetCaption("鳴った") ; }
