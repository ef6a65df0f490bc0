// A file whose name has Japanese characters (表 and 能 end with the byte
// 0x5C) and blanks is written, measured and read back, and "FILE_NAME" then
// names it; a missing file measures -1 without an error. Each check writes
// Y or N into result.txt, which INIT empties first.
//! window RUN "日本語の名前"
//! file result.txt ""
//! click 5 5
//! file "表 データ 能.txt" "abc"
//! file result.txt "YYYYYYY"
//! close
//! gone
//! exit 0
CREATE { SetCaption("日本語の名前") ; SetWinSize(200, 100) ; }
INIT { OpenFileWrite("result.txt") ; CloseFile ; }
LBUTTONDOWN {
  OpenFileWrite("表 データ 能.txt") ;
  WriteFile(0, 97) ; WriteFile(1, 98) ; WriteFile(2, 99) ;
  CloseFile ;
  長さ = GetFileLength("表 データ 能.txt") ;
  名前の長さ = GetFileLength("FILE_NAME") ;
  無い = GetFileLength("無い ファイル.txt") ;
  OpenFileRead("FILE_NAME") ;
  b0 = ReadFile(0) ; b2 = ReadFile(2) ; b3 = ReadFile(3) ; b9 = ReadFile(9) ;
  CloseFile ;
  OpenFileWrite("result.txt") ;
  r = 78 ; if (長さ == 3) { r = 89 ; } WriteFile(0, r) ;
  r = 78 ; if (名前の長さ == 3) { r = 89 ; } WriteFile(1, r) ;
  r = 78 ; if (無い < 0) { r = 89 ; } WriteFile(2, r) ;
  r = 78 ; if (b0 == 97) { r = 89 ; } WriteFile(3, r) ;
  r = 78 ; if (b2 == 99) { r = 89 ; } WriteFile(4, r) ;
  r = 78 ; if (b3 < 0) { r = 89 ; } WriteFile(5, r) ;
  r = 78 ; if (b9 < 0) { r = 89 ; } WriteFile(6, r) ;
  CloseFile ;
}
