// After a refused Open the document keeps its name: the next Save writes
// the text where it was saved before, not over the refused file.
//! cmdline
//! delete "files/kept_name.zep"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "A{}"
//! command 32773
//! dialog "名前を付けて保存"
//! dialogfile "files/kept_name.zep"
//! file "files/kept_name.zep" "A{}"
//! ctltype 200 200 "B"
//! command 32771
//! boxpress "ファイルを開く" "編集中のデータは変更されています\n他のファイルを開く前に保存しますか？" "no"
//! dialog "開く"
//! dialogfile "files/size_65535.zep"
//! box! "ZEP Error" "ファイルを開けません"
//! title "ZEP - [kept_name.zep]"
//! command 32772
//! file "files/kept_name.zep" "A{}B"
//! close
//! exit 0
