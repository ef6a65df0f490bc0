// OpenFileRead of a file that does not exist stops the run with the error
// box, which names the command.
//! box! "ZEP Error" "サブルーチン : INIT\r\n\r\n コマンド : OpenFileRead\r\n\r\nファイルを開けません"
//! exit 0
CREATE { SetWinSize(100, 80) ; }
INIT { OpenFileRead("no_such_data_file.dat") ; }
