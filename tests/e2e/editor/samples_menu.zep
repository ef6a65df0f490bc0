// The sample menu stands on the menu bar between ﾃﾞﾊﾞｯｸﾞ and ﾍﾙﾌﾟ, its
// items in the order of the examples' file names (ball.zep, buttons.zep,
// ...). The menus of another process cannot be read under Wine, so the bar
// is walked with the keyboard as a user walks it: right of ﾃﾞﾊﾞｯｸﾞ, left of
// ﾍﾙﾌﾟ, and Alt+S. An untouched copy is dropped without a question; a
// changed text is asked about as before Open. The copy comes in unchanged,
// with nothing to undo behind it.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! altkey d
//! menuopen
//! key 0x27
//! menuopen
//! key 0x0D
//! ctlcontains 200 200 "// 跳ねるボール："
//! title "ZEP - [NONAME.ZEP]"
//! altkey s
//! menuopen
//! key 0x28
//! key 0x0D
//! ctlcontains 200 200 "// 絵のボタン："
//! ctltype 200 200 "x"
//! altkey h
//! menuopen
//! key 0x25
//! menuopen
//! key 0x0D
//! boxpress "ファイルを開く" "編集中のデータは変更されています\n他のファイルを開く前に保存しますか？" "cancel"
//! ctlcontains 200 200 "// 絵のボタン："
//! altkey h
//! menuopen
//! key 0x25
//! menuopen
//! key 0x0D
//! boxpress "ファイルを開く" "編集中のデータは変更されています\n他のファイルを開く前に保存しますか？" "no"
//! ctlcontains 200 200 "// 跳ねるボール："
//! statustext 0 "行 1  列 1"
//! statustext 1 ""
//! press "ctrl+z"
//! ctlcontains 200 200 "// 跳ねるボール："
//! statustext 1 ""
//! close
//! exit 0
