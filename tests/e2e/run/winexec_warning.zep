// WinExec of a program that can't be started warns and the run goes on.
//! window RUN "起動"
//! click 5 5
//! box! "ZEP Warning" "no_such_program.exe を実行できません"
//! box "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : OK_GOES_ON\r\n\r\nサブルーチンが見つかりません"
//! exit 0
CREATE { SetCaption("起動") ; SetWinSize(200, 100) ; }
LBUTTONDOWN {
  WinExec("no_such_program.exe") ;
  call("OK_GOES_ON") ;
}
