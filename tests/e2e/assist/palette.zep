// The palette assist: the levels start at 255, 200, 255 and outlive the
// dialog, also when it is cancelled; the arrows stop at the ends, page
// steps do nothing, a drag sets the level and repaints the swatch at once;
// the check box gives the colour data alone and is cleared at each opening.
//! cmdline palette palette palette palette
//! window #32770 "パレットの設定"
//! hastext "　SetPal ( n , R , G , B )  ;   パレット番号に色を設定する"
//! hastext "\r\n　ｎ　：　パレット番号（０～１５）\r\n　Ｒ　：　赤の度合い（０～２５５）\r\n　Ｇ　：　緑の度合い（０～２５５）\r\n　Ｂ　：　青の度合い（０～２５５）"
//! itemfocus 101
//! defbutton 1003
//! itemscrollpos 101 255
//! itemscrollpos 102 200
//! itemscrollpos 103 255
//! rect 204 46 60 60 FFC8FF
//! pixel 202 44 000000
//! pixel 250 114 000000
//! itemclick 1003
//! gone
//! window ZEPASSIST "result 1003"
//! itemtext 200 "SetPal(n,255,200,255) ;\r\n"
//! window #32770 "パレットの設定"
//! itemscroll 101 5 10
//! itemscrollpos 101 10
//! rect 204 46 60 60 0AC8FF
//! itemscroll 103 1
//! itemscroll 102 0
//! itemscroll 102 2
//! itemscroll 102 4 50
//! itemscroll 102 0
//! itemscrollpos 102 198
//! itemscrollpos 103 255
//! rect 204 46 60 60 0AC6FF
//! itemclick 1005
//! gone
//! window ZEPASSIST "result 1005"
//! itemtext 200 "SetPal(n,255,200,255) ;\r\n"
//! window #32770 "パレットの設定"
//! itemscrollpos 101 10
//! itemscrollpos 102 198
//! rect 204 46 60 60 0AC6FF
//! itemcheck 1023 0
//! itemclick 1023
//! itemcheck 1023 1
//! itemclick 1004
//! gone
//! window ZEPASSIST "result 1004"
//! clipboard "10,198,255"
//! window #32770 "パレットの設定"
//! itemcheck 1023 0
//! itemscroll 101 5 0
//! itemscroll 101 0
//! itemscroll 101 1
//! itemscrollpos 101 1
//! itemclick 1003
//! gone
//! window ZEPASSIST "result 1003"
//! itemtext 200 "SetPal(n,255,200,255) ;\r\nSetPal(n,1,198,255) ;\r\n"
//! close
//! exit 0
