// A wave file that cannot be opened fails its registration with the error
// box, and the run ends.
//! box! "ZEP Error" "サブルーチン : CREATE\r\n\r\n コマンド : EntryWaveFile\r\n\r\nＷＡＶＥファイルの登録に失敗しました"
//! exit 0
CREATE { EntryWaveFile(0, "無い音.wav") ; SetWinSize(200, 100) ; }
