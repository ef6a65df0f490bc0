//! cmdline --zep-test-recovery-ms=300
// While the text is changed, the editor keeps a copy of it in the recovery
// folder (here every 300 ms), written again when the text changes. Save As
// removes it; the saved document's next copy takes its name, and No at the
// exit question removes that one.
//! delete "files/recovery_saved.zep"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE{}"
//! file {appdata}\ZEP\recovery\NONAME.ZEP "CREATE{}"
//! ctltype 200 200 "INIT{}"
//! file {appdata}\ZEP\recovery\NONAME.ZEP "CREATE{}INIT{}"
//! command 32772
//! dialog "名前を付けて保存"
//! dialogfile "files/recovery_saved"
//! title "ZEP - [recovery_saved.zep]"
//! nofile {appdata}\ZEP\recovery\NONAME.ZEP
//! file "files/recovery_saved.zep" "CREATE{}INIT{}"
//! ctltype 200 200 "x"
//! file {appdata}\ZEP\recovery\recovery_saved.zep "CREATE{}INIT{}x"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
//! nofile {appdata}\ZEP\recovery\recovery_saved.zep
//! file "files/recovery_saved.zep" "CREATE{}INIT{}"
