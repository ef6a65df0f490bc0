// The file-name assist: the chosen file's full path in double quotes is
// pasted without a line end; a cancel pastes nothing.
//! cmdline filename filename
//! dialog "ファイル名の取得"
//! dialogfile "file_name.zep"
//! window ZEPASSIST "result 1"
//! itemtext 200 "\"{dir}\\file_name.zep\""
//! dialog "ファイル名の取得"
//! dialogcancel
//! window ZEPASSIST "result 0"
//! itemtext 200 "\"{dir}\\file_name.zep\""
//! close
//! exit 0
