// WriteFile puts the low 8 bits of its value at its position: 322 writes B,
// a position with a fraction is cut (2.9 is 2), a position beyond the end
// extends the file, a negative one writes nothing. INIT empties the file
// first, so what the click writes is this run's.
//! window RUN "書き込み"
//! file bytes.dat ""
//! click 5 5
//! file bytes.dat "ABCDEF"
//! close
//! gone
//! exit 0
CREATE { SetCaption("書き込み") ; SetWinSize(200, 100) ; }
INIT { OpenFileWrite("bytes.dat") ; CloseFile ; }
LBUTTONDOWN {
  OpenFileWrite("bytes.dat") ;
  WriteFile(0, 65) ;
  WriteFile(1, 322) ;
  WriteFile(2.9, 67) ;
  WriteFile(3, 68) ;
  WriteFile(5, 70) ;
  WriteFile(4, 69) ;
  WriteFile(-1, 71) ;
  CloseFile ;
}
