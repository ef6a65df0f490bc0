//! cmdline --zep-test-recovery-ms=300
// A copy left in the recovery folder (as the timer of an editor that was
// killed, or the fault guard, leaves it) is offered when the editor starts.
// Yes opens it as a changed text without a name, which goes on being kept
// in the same copy; No at the exit question then removes the copy.
//! setupfile {appdata}\ZEP\recovery\lost.zep "CREATE{SetCaption(\"lost\");}"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! boxpress "復元" "前回、保存されていないプログラムが残っています（lost.zep）。\n復元しますか？" "yes"
//! ctltext 200 200 "CREATE{SetCaption(\"lost\");}"
//! title "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "x"
//! file {appdata}\ZEP\recovery\lost.zep "xCREATE{SetCaption(\"lost\");}"
//! nofile {appdata}\ZEP\recovery\NONAME.ZEP
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
//! nofile {appdata}\ZEP\recovery\lost.zep
