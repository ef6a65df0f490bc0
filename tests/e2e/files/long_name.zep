// A name longer than 128 bytes opens for writing and reading; the bytes
// written are read back, and "FILE_NAME" names the file for GetFileLength
// (an argument inside an expression is too short for the name itself).
// Each check writes Y or N into result_long.txt, which INIT empties first.
//! window RUN "長い名前"
//! file result_long.txt ""
//! click 5 5
//! file long_nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.dat "xyz"
//! file result_long.txt "YYY"
//! close
//! gone
//! exit 0
CREATE { SetCaption("長い名前") ; SetWinSize(200, 100) ; }
INIT { OpenFileWrite("result_long.txt") ; CloseFile ; }
LBUTTONDOWN {
  OpenFileWrite("long_nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.dat") ;
  WriteFile(0, 120) ; WriteFile(1, 121) ; WriteFile(2, 122) ;
  CloseFile ;
  OpenFileRead("long_nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn.dat") ;
  b1 = ReadFile(1) ;
  CloseFile ;
  n = GetFileLength("FILE_NAME") ;
  OpenFileWrite("result_long.txt") ;
  r = 78 ; if (b1 == 121) { r = 89 ; } WriteFile(0, r) ;
  r = 78 ; if (n == 3) { r = 89 ; } WriteFile(1, r) ;
  r = 78 ; if (ReadFile(0) < 0) { r = 89 ; } WriteFile(2, r) ;
  CloseFile ;
}
