// The guide's picture of the compile dialog (tools/guide-pictures): the
// editor opens hello.zep, which the pictures script puts beside this file,
// and opens the compile dialog, moved to the screen's corner. The driver
// then waits while the screen is taken.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! command 32771
//! dialog "開く"
//! dialogfile "hello.zep"
//! title "ZEP - [hello.zep]"
//! command 32790
//! window #32770 "EXE ファイルにコンパイル"
//! moveto 0 0
//! sleep 10000
