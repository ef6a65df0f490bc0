// Drives the editor for the guide's picture of the problem list
// (tools/guide-pictures): a small program with a misspelt command and a
// full-width digit, listed under the text and marked in it.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "// ボールを動かす\rCREATE {\rSetTimer(50) ;\r}\rTIMER {\rx = x + ２ ;\rBox(x, 10, x + 20, 30, 0, 2) ;\rPrin(10, 60, 0, 0, 12, 1, \"うごいているよ\") ;\r}\r"
//! itemcount 203 2
//! sleep 10000
//! exit 0
