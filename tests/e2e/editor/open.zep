// Open loads a script and names the document; a file of 65,535 bytes is
// refused with the editor's box and changes nothing, one of 65,534 loads.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! command 32771
//! dialog "開く"
//! dialogfile "files/hello.zep"
//! title "ZEP - [hello.zep]"
//! ctltext 200 200 "// はじめての表示\r\nCREATE {\r\n  SetCaption(\"開いた\") ;\r\n  SetWinSize(200, 100) ;\r\n}\r\nPAINT {\r\n  Print(10, 10, 0, 0, 16, 0, \"表示\") ;\r\n}\r\n"
//! command 32771
//! dialog "開く"
//! dialogfile "files/size_65535.zep"
//! box! "ZEP Error" "ファイルを開けません"
//! title "ZEP - [hello.zep]"
//! ctltext 200 200 "// はじめての表示\r\nCREATE {\r\n  SetCaption(\"開いた\") ;\r\n  SetWinSize(200, 100) ;\r\n}\r\nPAINT {\r\n  Print(10, 10, 0, 0, 16, 0, \"表示\") ;\r\n}\r\n"
//! command 32771
//! dialog "開く"
//! dialogfile "files/size_65534.zep"
//! title "ZEP - [size_65534.zep]"
//! close
//! exit 0
