// Save As through the common dialog writes exactly the text's bytes (CR LF
// for a typed line end) and adds ".zep" to a name without a dot; the title
// names the file, and the saved text closes without a question. Save on the
// toolbar writes a changed text in place.
//! cmdline
//! delete "files/saved_by_editor.zep"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctltype 200 200 "CREATE{}\r"
//! typeunicode "// 保存"
//! ctltext 200 200 "CREATE{}\r\n// 保存"
//! command 32773
//! dialog "名前を付けて保存"
//! dialogfile "files/saved_by_editor"
//! file "files/saved_by_editor.zep" "CREATE{}\r\n// 保存"
//! title "ZEP - [saved_by_editor.zep]"
//! ctltype 200 200 "x"
//! ctlclick 15 15
//! file "files/saved_by_editor.zep" "CREATE{}\r\n// 保存x"
//! close
//! exit 0
