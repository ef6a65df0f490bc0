// The toolbar: resting on the Save button for a second shows its hint, a
// white rounded box 10 bytes x 6 + 12 = 72 wide and 16 high with the text
// in black; leaving the button closes it. Each button runs its command: on
// an empty text Save and Run say there is nothing, Find with an empty
// search box does nothing. Pressing a button, moving off it and releasing
// sends nothing.
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctlmove 15 15
//! timeout 4
//! window BStr_class
//! clientsize 72 16
//! pixel 3 8 FFFFFF
//! pixel 0 8 000000
//! pixel 71 8 000000
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! ctlmove 15 15 200 200
//! nowindow BStr_class
//! ctlclick 15 15
//! box! "ZEP Error" "内容がありません"
//! ctlclick 38 15
//! box! "ZEP Error" "内容がありません"
//! ctlclick 349 15
//! nobox 500
//! ctlmove 38 15
//! ctldown 38 15
//! pixel 27 4 000000
//! ctlmove 38 15 200 200
//! pixel 27 4 FFFFFF
//! ctlup 38 15 200 200
//! nobox 500
//! close
//! exit 0
