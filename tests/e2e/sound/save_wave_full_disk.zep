// SaveWaveBuf over an existing wave file on a full disk stops the run with
// the error box, and the old file keeps its bytes: the new image is written
// beside it and replaces it only once complete. INIT saves an 8-sample
// buffer as the old file; the click saves a 65,535-sample one over it, more
// than the small file system mounted at full/ beside the script
// (tools/full-disk) holds; where nothing may be mounted the test is skipped.
//! window RUN "保存"
//! filehex full\old.wav "52494646 2c000000 57415645 666d7420 10000000 0100 0100 22560000 22560000 0100 0800 64617461 08000000 64 64 64 64 64 64 64 64"
//! click 5 5
//! box! "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : SaveWaveBuf\r\n\r\nファイルを開けません"
//! gone
//! exit 0
//! filehex full\old.wav "52494646 2c000000 57415645 666d7420 10000000 0100 0100 22560000 22560000 0100 0800 64617461 08000000 64 64 64 64 64 64 64 64"
//! nofile full\old.wav~
CREATE { WaveBuf("短い", 8) ; WaveBuf("長い", 65535) ; SetCaption("保存") ; SetWinSize(200, 100) ; }
INIT { OpenFileWrite("full\old.wav") ; SaveWaveBuf("短い") ; CloseFile ; }
LBUTTONDOWN {
  OpenFileWrite("full\old.wav") ; SaveWaveBuf("長い") ; CloseFile ; SetCaption("書けた") ;
}
