// MessBox gives what its buttons say, whatever key closes it: a box with OK
// alone gives 1 when Escape closes it, OK and Cancel give -1.
//! window RUN "MessBox"
//! click 10 10
//! boxowner RUN
//! focuskey 0x1B
//! title "a=1"
//! boxowner RUN
//! focuskey 0x1B
//! title "a=1 b=-1"
//! close
//! exit 0
CREATE { SetCaption("MessBox") ; SetWinSize(200, 80) ; }
LBUTTONDOWN {
  a = MessBox("Escape で閉じてください", "お知らせ", 1, 2) ;
  if (a == 1) { SetCaption("a=1") ; }
  b = MessBox("Escape で閉じてください", "確認", 2, 3) ;
  if (a == 1) { if (b == 0 - 1) { SetCaption("a=1 b=-1") ; } }
}
