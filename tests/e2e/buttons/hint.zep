// Resting the pointer on a bitmap button opens its hint window after about a
// second: a white rounded box with a black outline, as wide as the text's
// 6 bytes of 6 pixels plus 12 and 16 high, with the text drawn in black
// (the first stroke of its first character at x 9). Leaving the button closes it.
//! window RUN "ヒント"
//! ctlmove 50 55
//! timeout 4
//! window BS_class
//! clientsize 48 16
//! pixel 3 8 FFFFFF
//! pixel 0 8 000000
//! pixel 47 8 000000
//! pixel 9 8 000000
//! window RUN "ヒント"
//! ctlmove 50 55 150 120
//! nowindow BS_class
//! close
//! exit 0
CREATE {
  SetCaption("ヒント") ; SetWinSize(200, 150) ;
  CreateControl(1, "ヒント", "ID_bb", 30, 40, 40, 30) ;
}
