// No to the copy offered at the start removes it; the editor starts empty
// and unchanged.
//! cmdline
//! setupfile {appdata}\ZEP\recovery\NONAME.ZEP "CREATE{}"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! boxpress "復元" "前回、保存されていないプログラムが残っています（NONAME.ZEP）。\n復元しますか？" "no"
//! filegone {appdata}\ZEP\recovery\NONAME.ZEP
//! ctltext 200 200 ""
//! close
//! exit 0
