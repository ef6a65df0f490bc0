// The picture commands refuse to run while a data file is open (code 17),
// before they look at their arguments.
//! box! "ZEP Error" "サブルーチン : INIT\r\n\r\n コマンド : LoadGrpFile\r\n\r\n既にファイルが開いています"
//! exit 0
CREATE { SetWinSize(160, 80) ; }
INIT { OpenFileRead("text.bmp") ; LoadGrpFile() ; }
