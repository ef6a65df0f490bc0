// An error in a dialog section shows one box and ends the run: both windows
// close without their CLOSE sections.
//! box! "ZEP Error" "サブルーチン : ID_dTIMER\r\n\r\n 変数 : y\r\n\r\n変数の値が未定です"
//! nobox 500
//! exit 0
CREATE { SetCaption("親") ; SetWinSize(200, 100) ; SetTimer(30) ; }
INIT { DlgBox("ID_d") ; }
TIMER { n = 1 ; }
CLOSE { MessBox("CLOSE ran", "wrong", 1, 0) ; }
ID_dCREATE { SetTimer(50) ; }
ID_dTIMER { x = y ; }
ID_dCLOSE { MessBox("dialog CLOSE ran", "wrong", 1, 0) ; }
