// A stub file whose runs add up to more than memory can hold: the compile
// says it cannot get the memory it needs, writes nothing, and the editor
// keeps its text.
//! cmdline
//! delete "saved.zep"
//! delete "saved.exe"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE{}"
//! command 32773
//! dialog "名前を付けて保存"
//! dialogfile "saved"
//! title "ZEP - [saved.zep]"
//! ctltype 200 200 "INIT{}"
//! command 32790
//! window #32770 "EXE ファイルにコンパイル"
//! itemtext 1029 "{dir}\\saved.exe"
//! itemclick 1
//! box! "ZEP Error" "必要なメモリーを確保できません"
//! nowindow #32770
//! nofile "saved.exe"
//! window ZEP2 "ZEP - [saved.zep]"
//! ctltext 200 200 "CREATE{}INIT{}"
//! running
