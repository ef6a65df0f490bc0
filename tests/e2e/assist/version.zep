// The version dialog shows the version and ends with 1 on "OK" and 2 on
// Escape.
//! cmdline version version
//! window #32770 "ﾊﾞｰｼﾞｮﾝ情報"
//! hastext " ZEP version 2.15"
//! defbutton 1
//! itemclick 1
//! gone
//! window ZEPASSIST "result 1"
//! window #32770 "ﾊﾞｰｼﾞｮﾝ情報"
//! focuskey 0x1B
//! gone
//! window ZEPASSIST "result 2"
//! close
//! exit 0
