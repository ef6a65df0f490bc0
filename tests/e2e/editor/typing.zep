// Japanese typed into the editor arrives whole through the program's
// message loop (each character as an input method delivers it), and typing
// is a change: closing asks whether to save.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "表示テスト ボタン"
//! ctltext 200 200 "表示テスト ボタン"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
