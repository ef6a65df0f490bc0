// The release tried as a user tries it (tools/release-try unpacks the zip
// and runs this beside the unpacked ZEP folder, in a Wine prefix of its
// own): zep.exe starts with no file; はじめてのZEP comes from the サンプル
// menu and runs with F5: its RUN window writes its greeting in blue and
// draws a yellow circle where it is clicked. Saved here, outside the ZEP
// folder, it is compiled through the ﾌｧｲﾙ menu, and the program it makes
// starts from its own folder and does the same. The reference window
// opens at an entry with F1.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
// The menu lists the examples in the order of their file names: はじめてのZEP
// (hello.zep) is the twelfth.
//! altkey s
//! menuopen
//! key 0x28
//! key 0x28
//! key 0x28
//! key 0x28
//! key 0x28
//! key 0x28
//! key 0x28
//! key 0x28
//! key 0x28
//! key 0x28
//! key 0x28
//! key 0x0D
//! ctlcontains 200 200 "// はじめてのZEP："
//! title "ZEP - [NONAME.ZEP]"
//! press "0x74"
//! window RUN "はじめてのZEP"
//! hascolour 10 10 200 24 0000FF
//! notpixel 160 120 FFFF00
//! click 160 120
//! pixel 160 120 FFFF00
//! close
//! nowindow RUN
// ﾌｧｲﾙ → 名前を付けて保存, then ﾌｧｲﾙ → .EXE ファイルにコンパイル, by their keys.
// The name is typed whole: a dot anywhere in the folder's path would keep
// the editor from adding ".zep".
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! altkey f
//! menuopen
//! key 0x41
//! dialog "名前を付けて保存"
//! dialogfile "hello.zep"
//! title "ZEP - [hello.zep]"
//! samefile "hello.zep" "{exedir}\\examples\\hello.zep"
//! altkey f
//! menuopen
//! key 0x44
//! window #32770 "EXE ファイルにコンパイル"
//! itemtext 1029 "{dir}\\hello.exe"
//! itemclick 1
//! box "ZEP Message" "ファイルを作成しました"
//! nowindow #32770
//! window ZEP2 "ZEP - [hello.zep]"
// F1 on SetWinSize opens the reference window at its entry, which tells
// what its arguments mean; no browser is needed.
//! ctlselect 200 200 220 220
//! press "0x70"
//! window ZEPHELP "ZEP リファレンス - SetWinSize"
//! ctlcontains 400 200 "SetWinSize(Wide,Height) ;"
//! window ZEP2 "ZEP - [hello.zep]"
//! close
//! exit 0
// The compiled program, started from its folder, with no ZEP beside it.
//! start "hello.exe"
//! window RUN "はじめてのZEP"
//! hascolour 10 10 200 24 0000FF
//! notpixel 160 120 FFFF00
//! click 160 120
//! pixel 160 120 FFFF00
//! nobox 500
//! close
//! gone
//! exit 0
