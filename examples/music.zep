// 音の例：波形バッファで作ったメロディーがくり返し流れ、クリックすると効果音が鳴ります。
// A sound example: a melody synthesised sample by sample into a wave buffer
// plays in a loop; the sound effect, also synthesised, is saved as a WAV
// file, registered under ID 1 and played on every click.
CREATE {
  SetCaption("メロディー") ;
  SetWinSize(320, 160) ;
  WaveBuf("メロディー", 44100) ;
  WaveBuf("効果音", 4410) ;
  Data("周期", 1, 8) ;
}
INIT {
  // ドレミファソラシド: samples per wave at 22050 samples per second.
  周期(0, 0) = 84 ; 周期(0, 1) = 75 ; 周期(0, 2) = 67 ; 周期(0, 3) = 63 ;
  周期(0, 4) = 56 ; 周期(0, 5) = 50 ; 周期(0, 6) = 45 ; 周期(0, 7) = 42 ;
  call("MAKE_MELODY") ;
  call("MAKE_EFFECT") ;
  OpenFileWrite("効果音.wav") ;
  SaveWaveBuf("効果音") ;
  CloseFile ;
  EntryWaveFile(1, "効果音.wav") ;
  PlayWaveBuf("メロディー", 1) ;
}
// Eight notes of a quarter second each, every note fading out.
MAKE_MELODY {
  pos = 0 ;
  note = 0 ;
  loop (8) {
    p = 周期(0, note) ;
    i = 0 ;
    loop (5512) {
      a = 60 - i / 100 ;
      v = 0 - a ;
      if (i % p * 2 < p) { v = a ; }
      SetWaveBuf("メロディー", pos, v) ;
      pos = pos + 1 ;
      i = i + 1 ;
    }
    note = note + 1 ;
  }
}
// A falling "pew": the wave gets longer and quieter.
MAKE_EFFECT {
  i = 0 ;
  loop (4410) {
    p = 8 + i / 80 ;
    a = 100 - i / 50 ;
    v = 0 - a ;
    if (i % p * 2 < p) { v = a ; }
    SetWaveBuf("効果音", i, v) ;
    i = i + 1 ;
  }
}
PAINT {
  Print(20, 30, 0, 0, 20, 1, "♪ メロディー") ;
  Print(20, 80, 0, 0, 16, 0, "クリックすると効果音が鳴ります") ;
}
LBUTTONDOWN { PlaySound(1, 0) ; }
