// Yes at the exit question shows the Save As dialog and keeps the editor
// open; once saved, closing ends the program without a question.
//! cmdline
//! delete "files/exit_saved.zep"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE{}"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "yes"
//! dialog "名前を付けて保存"
//! dialogfile "files/exit_saved"
//! file "files/exit_saved.zep" "CREATE{}"
//! title "ZEP - [exit_saved.zep]"
//! running
//! close
//! exit 0
