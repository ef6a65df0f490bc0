// The README's picture of the editor (tools/readme-screenshot): the editor
// holding examples/hello.zep, which the screenshot script puts beside this
// file. The driver then waits while the screen is taken.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! resize 560 420
//! command 32771
//! dialog "開く"
//! dialogfile "hello.zep"
//! title "ZEP - [hello.zep]"
//! ctlselect 200 200 0 0
//! sleep 10000
