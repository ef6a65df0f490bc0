// After a run from the editor stops with an error, the error box is the one
// a run always shows, the run's window closes, and the editor selects the
// statement where the run stopped, as written (blanks, a call into another
// section and double-byte names before it); the problem list under the text
// then says the error first, in the beginner's words. Enter indents the line
// after a `{`, and a `}` typed on it moves back.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! typeunicode "// 表示の テスト\rCREATE { SetCaption(\"失敗\") ; SetWinSize(200, 100) ; }\rINIT {\rボタン = 1 ;\rcall(\"SUB\") ;\r}\rSUB {\rx = ボタン + y ;\r}\r"
//! ctltext 200 200 "// 表示の テスト\r\nCREATE { SetCaption(\"失敗\") ; SetWinSize(200, 100) ; }\r\nINIT {\r\n\tボタン = 1 ;\r\n\tcall(\"SUB\") ;\r\n}\r\nSUB {\r\n\tx = ボタン + y ;\r\n}\r\n"
//! command 32781
//! box! "ZEP Error" "サブルーチン : SUB\r\n\r\n 変数 : y\r\n\r\n変数の値が未定です"
//! nowindow RUN
//! window ZEP2
//! ctlselected 200 200 "x = ボタン + y ;"
//! itemselected 203 "8 行 2 列  エラー: 変数「y」に、まだ値が入っていないうちに使いました。 使う前に「y = 0 ;」のように値を入れてください。"
//! statustext 2 "エラーで止まりました"
//! close
//! boxpress "終  了" "ＺＥＰ を終了します\n終了する前に保存しますか？" "no"
//! exit 0
