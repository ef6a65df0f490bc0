// Run opens the RUN window with the editor's text; a second Run while it
// runs is refused with the editor's message; after the window has closed,
// Run works again. Compile is refused while a script runs too.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE{SetCaption(\"editor run\");SetWinSize(200,100);}"
//! command 32781
//! window RUN "editor run"
//! window ZEP2
//! command 32781
//! box! "ZEP Error" "既にアプリケーションが実行中です"
//! command 32790
//! box! "ZEP Error" "既にアプリケーションが実行中です"
//! window RUN "editor run"
//! close
//! nowindow RUN
//! window ZEP2
//! ctlclick 38 15
//! window RUN "editor run"
//! close
//! nowindow RUN
//! window ZEP2
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
