// SaveWaveBuf writes the buffer's whole WAV image into the open file: the
// 44-byte header of 8-bit mono PCM at 22050 samples per second, then the
// samples, here the tone a new buffer holds with samples 1 and 7 changed.
//! window RUN "保存"
//! delete saved.wav
//! click 5 5
//! filehex saved.wav "52494646 2c000000 57415645 666d7420 10000000 0100 0100 22560000 22560000 0100 0800 64617461 08000000 64 ff 64 64 64 64 64 80"
//! close
//! gone
//! exit 0
CREATE { WaveBuf("短い", 8) ; SetCaption("保存") ; SetWinSize(200, 100) ; }
LBUTTONDOWN {
  SetWaveBuf("短い", 1, 0 - 1) ; SetWaveBuf("短い", 7, 0 - 128) ;
  OpenFileWrite("saved.wav") ; SaveWaveBuf("短い") ; CloseFile ;
}
