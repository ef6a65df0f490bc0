// FileNameDlgW only chooses a name: FILE_NAME then names the file to write,
// and the edit field shows its name part.
//! delete "保存 テスト.txt"
//! window RUN "保存"
//! dialog "保存先"
//! dialogfile "保存 テスト.txt"
//! file "保存 テスト.txt" "memo"
//! ctltext 60 20 "保存 テスト.txt"
//! close
//! exit 0
CREATE {
  SetCaption("保存") ; SetWinSize(240, 80) ;
  CreateControl(101, "", "ID_name", 10, 10, 200, 22) ;
}
INIT { started = 0 ; }
PAINT {
  if (started == 0) {
    started = 1 ;
    if (FileNameDlgW("保存先", "", 2) == 1) {
      OpenFileWrite("FILE_NAME") ;
      WriteFile(0, 109) ; WriteFile(1, 101) ; WriteFile(2, 109) ; WriteFile(3, 111) ;
      CloseFile ;
      GetFileName("ID_name", "FILE_NAME") ;
    }
  }
}
