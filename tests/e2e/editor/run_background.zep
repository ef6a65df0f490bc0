// Two runs in a row from the editor, the second with another SetWinColor:
// each run's window shows its own background.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE{SetCaption(\"bg\");SetWinSize(200,100);SetWinColor(0);}"
//! command 32781
//! window RUN "bg"
//! pixel 50 50 000000
//! close
//! nowindow RUN
//! window ZEP2
//! command 32779
//! ctltype 200 200 "CREATE{SetCaption(\"bg\");SetWinSize(200,100);SetWinColor(15);}"
//! command 32781
//! window RUN "bg"
//! pixel 50 50 C0C0C0
//! close
//! nowindow RUN
//! window ZEP2
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
