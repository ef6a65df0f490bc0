// F1 opens the reference at the name at the caret (or just before it):
// Box, MOUSE_X and TIMER at their entries; a name the reference does not
// know at its index, to look further. Without a browser the reference
// cannot be shown, and the box says so.
//! cmdline
//! delete "{temp}\\zep-reference-open.html"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "TIMER {\rBox(MOUSE_X, 1) ;\rBoxx(1) ;"
//! ctltext 200 200 "TIMER {\r\n\tBox(MOUSE_X, 1) ;\r\n\tBoxx(1) ;"
//! ctlselect 200 200 11 11
//! press "0x70"
//! filehas "{temp}\\zep-reference-open.html" "zep-reference.html#Box\""
//! box! "ZEP Error" "リファレンスを開けません\n{exedir}\\zep-reference.html"
//! delete "{temp}\\zep-reference-open.html"
//! window ZEP2
//! ctlselect 200 200 20 20
//! press "0x70"
//! filehas "{temp}\\zep-reference-open.html" "zep-reference.html#MOUSE_X\""
//! box! "ZEP Error" "リファレンスを開けません\n{exedir}\\zep-reference.html"
//! delete "{temp}\\zep-reference-open.html"
//! window ZEP2
//! ctlselect 200 200 3 3
//! press "0x70"
//! filehas "{temp}\\zep-reference-open.html" "zep-reference.html#TIMER\""
//! box! "ZEP Error" "リファレンスを開けません\n{exedir}\\zep-reference.html"
//! delete "{temp}\\zep-reference-open.html"
//! window ZEP2
//! ctlselect 200 200 33 33
//! press "0x70"
//! filehas "{temp}\\zep-reference-open.html" "zep-reference.html#index\""
//! box! "ZEP Error" "リファレンスを開けません\n{exedir}\\zep-reference.html"
//! window ZEP2
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
