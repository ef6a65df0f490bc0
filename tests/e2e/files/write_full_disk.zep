// On a full disk WriteFile stops the run with the error box at the first
// byte that does not fit, and the file it was writing keeps the bytes it had
// before it was opened: what a script writes replaces a file only once all
// of it was written. The test runs with a small file system of its own
// mounted at full/ beside it (tools/full-disk), which 40,000 bytes overflow;
// where nothing may be mounted it is skipped.
//! window RUN "満杯"
//! file full\old.dat "OLD"
//! click 5 5
//! box! "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : WriteFile\r\n\r\nファイルを開けません"
//! gone
//! exit 0
//! file full\old.dat "OLD"
//! nofile full\old.dat~
CREATE { SetCaption("満杯") ; SetWinSize(200, 100) ; }
INIT {
  OpenFileWrite("full\old.dat") ; WriteFile(0, 79) ; WriteFile(1, 76) ; WriteFile(2, 68) ;
  CloseFile ;
}
LBUTTONDOWN {
  OpenFileWrite("full\old.dat") ;
  i = 0 ;
  loop (40000) { WriteFile(i, 65) ; i = i + 1 ; }
  CloseFile ;
  SetCaption("書けた") ;
}
