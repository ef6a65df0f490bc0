// A script file that does not exist gets a clear message instead of silence.
//! cmdline no_such_script_file.zep
//! box "ZEP Error" "スクリプトファイルを開けません\r\n\r\nno_such_script_file.zep"
//! exit 0
