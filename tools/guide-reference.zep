// Drives the editor for the guide's picture of the reference window
// (tools/guide-pictures): F1 on Box opens its entry, which stays on the
// screen for the picture.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "PAINT {\rBox(10, 10, 100, 50, 0, 6) ;"
//! ctltext 200 200 "PAINT {\r\n\tBox(10, 10, 100, 50, 0, 6) ;"
//! ctlselect 200 200 11 11
//! press "0x70"
//! window ZEPHELP "ZEP リファレンス - Box"
//! sleep 10000
//! exit 0
