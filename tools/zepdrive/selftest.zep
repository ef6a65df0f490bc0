// zepdrive self-test: drives selftest_app.exe through the directives it
// supports. zep.exe reads "//" lines as comments, so this file is also a
// valid (empty) script.
//! setupfile selftest_same.txt "A"
//! setupfile sub/selftest_setup.txt "set\r\nup"
//! timeout 10
//! window SELFTEST "テスト窓"
//! running
//! title "テスト窓"
//! style 14CF0000
//! topmost 0
//! windowpos 100 80
//! clientpos 104 103
//! clientsize 312 213
//
// Painting: red 10x10 square in the corner of a white client area.
//! pixel 0 0 FF0000
//! pixel 9 9 FF0000
//! pixel 10 10 FFFFFF
//! rect 0 0 10 10 FF0000
//! rect 10 0 302 213 FFFFFF
//! notpixel 50 50 0000FF
//
// A left click paints a blue 4x4 square.
//! click 50 50
//! rect 50 50 4 4 0000FF
//! pixel 54 54 FFFFFF
//! pixel 49 50 FFFFFF
//! click 100 60 left
//! pixel 103 63 0000FF
//
// Keys and characters.
//! nofile selftest_out.txt
//! key 65
//! file selftest_out.txt "A"
// Files the set-up wrote before the start (with the folder of one), and a
// file compared with another.
//! file sub/selftest_setup.txt "set\r\nup"
//! samefile selftest_out.txt selftest_same.txt
//! filegone selftest_never.txt
//! keydown 0x71
//! title "keydown 113"
//! keyup 0x71
//! title "keyup 113"
// The program's TranslateMessage turns a posted letter key into WM_CHAR,
// as it does for typing.
//! keydown 68
//! title "char 100"
//! keyup 68
//! char 12
//! title "char 12"
//
// Mouse moves, double clicks, middle button.
//! mousemove 30 40
//! title "move 30 40"
//! dblclick 20 25
//! title "dblclick 20 25"
//! down 70 80 middle
//! title "mdown 70 80 16"
//! up 71 81 middle
//! title "mup 71 81"
//! click 5 6 middle
//! title "mup 5 6"
//
// Scroll messages.
//! hscroll 5 77
//! title "hscroll 5 77"
//! vscroll 1
//! title "vscroll 1 0"
//
// A right click shows a message box with an exclamation icon.
//! nobox 200
//! click 30 30 right
//! box! "ZEP Error" "一行目\r\n二行目"
//! nobox 300
//
//! shot selftest_shot.bmp
//
// Size and position.
//! resize 400 300
//! clientsize 392 273
//! moveto 200 150
//! windowpos 200 150
//! clientpos 204 173
//! pixel 0 0 FF0000
//! rect 50 50 4 4 0000FF
//
// A list view (id 301, in a panel of the window "一覧" that key 76 opens):
// rows and cells read in the program's memory, a row found by its first
// cell, a selection and real clicks, which the window's static (id 302)
// reports as the list view told it.
//! key 76
//! window SELFTESTLIST "一覧"
//! itemtext 302 "none"
//! lvcount 301 4
//! lvtext 301 0 0 "得点"
//! lvtext 301 1 1 "太郎"
//! lvtext 301 2 2 "実数"
//! lvtext 301 3 1 "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十"
//! lvfind 301 0 "名前" 2 "文字列"
//! lvfind 301 2 "実数" 1 "1.5"
//! lvselect 301 2
//! itemtext 302 "selected 2 focused"
//! lvclick 301 1 2
//! itemtext 302 "click 1 2"
// A double click adds a row "追加N"; after eight the list scrolls, and a
// click on the last row brings it into view first.
//! lvdblclick 301 0 1
//! itemtext 302 "dblclick 0 1"
//! lvcount 301 5
//! lvtext 301 4 0 "追加1"
//! lvdblclick 301 3 0
//! lvdblclick 301 3 0
//! lvdblclick 301 3 0
//! lvdblclick 301 3 0
//! lvdblclick 301 3 0
//! lvdblclick 301 3 0
//! lvdblclick 301 3 0
//! lvcount 301 12
//! lvfind 301 0 "追加8" 1 "8"
//! lvclick 301 11 1
//! itemtext 302 "click 11 1"
//! lvclick 301 0 0
//! itemtext 302 "click 0 0"
//! close
//! nowindow SELFTESTLIST
//! window SELFTEST
//
// Key 67 writes the program's arguments; selftest.sh checks that they are
// the quoted full path of this script.
//! key 67
//
// Closing ends the program with code 7.
//! close
//! gone
//! exit 7
