// An example chosen from the sample menu (command 33000 + its place in the
// list of examples by file name: hello.zep is the twelfth) opens as a copy:
// the text is the example's bytes exactly, the title names no file, and the
// untouched copy is unchanged. Save asks for a name all the same and writes
// the copy there; the example as shipped is not written.
//! cmdline
//! delete "files/sample_saved.zep"
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! command 33011
//! ctlcontains 200 200 "// はじめてのZEP："
//! ctlfile 200 200 "files/sample_hello.zep"
//! title "ZEP - [NONAME.ZEP]"
//! command 32772
//! dialog "名前を付けて保存"
//! dialogfile "files/sample_saved"
//! title "ZEP - [sample_saved.zep]"
//! samefile "files/sample_saved.zep" "files/sample_hello.zep"
//! close
//! exit 0
