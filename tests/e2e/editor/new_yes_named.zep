// Yes before New on a document that has a name saves it in place, without
// a dialog, and then starts the new document.
//! cmdline
//! delete "files/new_yes_named.zep"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE{}"
//! command 32773
//! dialog "名前を付けて保存"
//! dialogfile "files/new_yes_named"
//! title "ZEP - [new_yes_named.zep]"
//! ctltype 200 200 "INIT{}"
//! command 32789
//! boxpress "新規作成" "編集中のデータは変更されています\n消去する前に保存しますか？" "yes"
//! boxpress "新規作成" "標準的な\nＺＥＰプログラムを\n貼付けますか？" "no"
//! title "ZEP - [NONAME.ZEP]"
//! file "files/new_yes_named.zep" "CREATE{}INIT{}"
//! ctltext 200 200 ""
//! close
//! exit 0
