// Started without a script, the program says how to give one.
//! cmdline
//! box "ZEP Message" "実行するスクリプトファイル（.zep）を指定してください。\r\n例： zep.exe sample.zep"
//! exit 0
