// Compile from the editor: the output name comes from the saved path,
// "コンパイル" writes the program and says so; compiling again asks before
// overwriting, and No keeps the dialog open. The program it wrote runs in
// e2e/compiled/runs.
//! cmdline
//! delete "files/compiled.zep"
//! delete "files/compiled.exe"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE { SetCaption(\"compiled\") ; SetWinSize(240, 120) ; } // caption\rPAINT { Box(10, 10, 60, 40, 0, 2) ; }\r"
//! ctlcontains 200 200 "PAINT"
//! command 32773
//! dialog "名前を付けて保存"
//! dialogfile "files/compiled"
//! title "ZEP - [compiled.zep]"
//! command 32790
//! window #32770 "EXE ファイルにコンパイル"
//! itemtext 1029 "{dir}\\files\\compiled.exe"
//! itemclick 1
//! box "ZEP Message" "ファイルを作成しました"
//! nowindow #32770
//! window ZEP2 "ZEP - [compiled.zep]"
//! command 32790
//! window #32770 "EXE ファイルにコンパイル"
//! itemclick 1
//! boxpress "ZEP Message" "同一名のファイルが既に存在します。\n上書きしますか？" "no"
//! window #32770 "EXE ファイルにコンパイル"
//! itemclick 2
//! window ZEP2 "ZEP - [compiled.zep]"
//! close
//! exit 0
