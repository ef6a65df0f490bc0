// MessBox gives 1 for Yes, 0 for No and -1 for Cancel, and 1 for OK.
//! boxpress "質問" "続けますか？" "yes"
//! boxpress "質問" "続けますか？" "no"
//! boxpress "質問" "続けますか？" "cancel"
//! box "お知らせ" "終わり"
//! window RUN "1 0 -1 1"
//! close
//! exit 0
CREATE { SetCaption("MessBox") ; SetWinSize(200, 80) ; }
INIT {
  a = MessBox("続けますか？", "質問", 4, 3) ;
  b = MessBox("続けますか？", "質問", 4, 3) ;
  c = MessBox("続けますか？", "質問", 4, 3) ;
  d = MessBox("終わり", "お知らせ", 1, 2) ;
  if (a == 1) { if (b == 0) { if (c == 0 - 1) { if (d == 1) { SetCaption("1 0 -1 1") ; } } } }
}
