// The problem panel under the text: half a second after typing stops, a
// misspelt command and a section that no event runs are listed with their
// lines, and the command is marked in the text; a double-click on its line
// selects it, and mending it takes it off the list. A run still runs with a
// warning listed.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "INIT {\rPrin(1, 1, 0, 0, 16, 0, \"a\") ;\r}\rPaint {\r}\r"
//! itemcount 203 2
//! hascolour 40 46 300 16 FFD0D0
//! itemdblclick 203 0
//! itemselected 203 "2 行 2 列  エラー: 「Prin」という命令はありません。 「Print」と書いてください。"
//! ctlselected 200 200 "Prin"
//! typeunicode "Print"
//! itemcount 203 1
//! itemdblclick 203 0
//! ctlselected 200 200 "Paint"
//! press "0x74"
//! window RUN
//! close
//! nowindow RUN
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! statustext 2 "実行を終えました"
//! itemcount 203 1
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
