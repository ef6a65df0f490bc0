// A script saved as UTF-16 is refused with a box that says so, rather than
// run as an empty script.
//! cmdline utf16.txt
//! box! "ZEP Error" "このファイルは UTF-16 で保存されています。\r\nスクリプトは Shift-JIS か UTF-8 で保存してください。\r\n\r\nutf16.txt"
//! exit 0
