// The README's picture of the command assist (tools/readme-screenshot
// --assist): opened from the menu of the editor holding examples/hello.zep,
// which the screenshot script puts beside this file, with an entry chosen.
// The driver then waits while the screen is taken.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! resize 560 420
//! command 32771
//! dialog "開く"
//! dialogfile "hello.zep"
//! title "ZEP - [hello.zep]"
//! ctlselect 200 200 0 0
//! command 32780
//! window #32770 "コマンド　アシスト"
//! moveto 300 150
//! itemselect 1002 5
//! sleep 10000
