// Yes at the exit question of an unnamed text shows the Save As dialog,
// saves, and then ends the program as asked.
//! cmdline
//! delete "files/exit_saved.zep"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE{}"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "yes"
//! dialog "名前を付けて保存"
//! dialogfile "files/exit_saved"
//! file "files/exit_saved.zep" "CREATE{}"
//! exit 0
