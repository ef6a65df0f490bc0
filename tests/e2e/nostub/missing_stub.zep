// A zep.exe copied to a folder without ZepFiles/ cannot compile: it says
// that a needed file cannot be opened, and writes nothing.
//! cmdline
//! delete "saved.zep"
//! delete "saved.exe"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE{}"
//! command 32773
//! dialog "名前を付けて保存"
//! dialogfile "saved"
//! title "ZEP - [saved.zep]"
//! command 32790
//! window #32770 "EXE ファイルにコンパイル"
//! itemtext 1029 "{dir}\\saved.exe"
//! itemclick 1
//! box! "ZEP Error" "必要なファイルを開けません"
//! nowindow #32770
//! nofile "saved.exe"
//! window ZEP2 "ZEP - [saved.zep]"
//! close
//! exit 0
