// The file dialog gives the focus back before it returns, so SETFOCUS and
// KILLFOCUS run while OpenFileReadDlg waits; the box still names the
// command that failed, not the last section that ran.
//! dialog "開く"
//! dialogfile "not_there.dat"
//! box! "ZEP Error" "サブルーチン : INIT\r\n\r\n コマンド : OpenFileReadDlg\r\n\r\nファイルを開けません"
//! exit 0
CREATE { SetCaption("名前") ; SetWinSize(200, 80) ; }
INIT { OpenFileReadDlg("開く") ; }
KILLFOCUS { k = 1 ; }
