// A script longer than a direct run accepts (here 65,534 bytes) runs from
// the editor.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! command 32771
//! dialog "開く"
//! dialogfile "files/size_65534.zep"
//! title "ZEP - [size_65534.zep]"
//! command 32781
//! window RUN "大きい"
//! close
//! nowindow RUN
//! window ZEP2
//! close
//! exit 0
