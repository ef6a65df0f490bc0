// Compile from the editor the scripts whose compacted texts lie at the edges
// of the stub classes (3, 6, 24 and 64 KB); two of them get an icon file.
// The largest file is one byte short, since the editor opens files below
// 65,535 bytes: the last byte is typed into its padding. The programs run
// in e2e/compiled/size*. Then one byte more than the largest is refused, and
// the program of that name is kept.
//! cmdline
//! delete "files/size3071.exe"
//! delete "files/size3072.exe"
//! delete "files/size24575.exe"
//! delete "files/size24576.exe"
//! delete "files/size65535.exe"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! command 32771
//! dialog "開く"
//! dialogfile "files/size3071.zep"
//! title "ZEP - [size3071.zep]"
//! command 32790
//! window #32770 "EXE ファイルにコンパイル"
//! itemtext 1029 "{dir}\\files\\size3071.exe"
//! itemclick 1
//! box "ZEP Message" "ファイルを作成しました"
//! nowindow #32770
//! window ZEP2 "ZEP - [size3071.zep]"
//! command 32771
//! dialog "開く"
//! dialogfile "files/size3072.zep"
//! title "ZEP - [size3072.zep]"
//! command 32790
//! window #32770 "EXE ファイルにコンパイル"
//! itemtext 1029 "{dir}\\files\\size3072.exe"
//! itemclick 1028
//! dialog "専用アイコンファイルを開く"
//! dialogfile "files/red.icn"
//! itemclick 1
//! box "ZEP Message" "ファイルを作成しました"
//! nowindow #32770
//! icon "files/size3072.exe" 107 5 3 0 1
//! icon "files/size3072.exe" 107 4 3 9 0
//! icon "files/size3072.exe" 107 31 31 9 0
//! window ZEP2 "ZEP - [size3072.zep]"
//! command 32771
//! dialog "開く"
//! dialogfile "files/size24575.zep"
//! title "ZEP - [size24575.zep]"
//! command 32790
//! window #32770 "EXE ファイルにコンパイル"
//! itemtext 1029 "{dir}\\files\\size24575.exe"
//! itemclick 1
//! box "ZEP Message" "ファイルを作成しました"
//! nowindow #32770
//! window ZEP2 "ZEP - [size24575.zep]"
//! command 32771
//! dialog "開く"
//! dialogfile "files/size24576.zep"
//! title "ZEP - [size24576.zep]"
//! command 32790
//! window #32770 "EXE ファイルにコンパイル"
//! itemtext 1029 "{dir}\\files\\size24576.exe"
//! itemclick 1028
//! dialog "専用アイコンファイルを開く"
//! dialogfile "files/red.icn"
//! itemclick 1
//! box "ZEP Message" "ファイルを作成しました"
//! nowindow #32770
//! icon "files/size24576.exe" 107 5 3 0 1
//! icon "files/size24576.exe" 107 4 3 9 0
//! icon "files/size24576.exe" 107 31 31 9 0
//! window ZEP2 "ZEP - [size24576.zep]"
//! command 32771
//! dialog "開く"
//! dialogfile "files/size65535.zep"
//! title "ZEP - [size65535.zep]"
//! ctlselect 200 200 70 70
//! ctltype 200 200 "x"
//! command 32790
//! window #32770 "EXE ファイルにコンパイル"
//! itemtext 1029 "{dir}\\files\\size65535.exe"
//! itemclick 1
//! box "ZEP Message" "ファイルを作成しました"
//! nowindow #32770
//! window ZEP2 "ZEP - [size65535.zep]"
//! ctltype 200 200 "x"
//! command 32790
//! window #32770 "EXE ファイルにコンパイル"
//! itemclick 1
//! boxpress "ZEP Message" "同一名のファイルが既に存在します。\n上書きしますか？" "yes"
//! box! "ZEP Error" "ソースコードが大きすぎます"
//! nowindow #32770
//! window ZEP2 "ZEP - [size65535.zep]"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
