// Closing the editor while its script runs ends the program: the run's
// window goes with the editor.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE{SetCaption(\"still running\");SetWinSize(200,100);}"
//! command 32781
//! window RUN "still running"
//! window ZEP2
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
