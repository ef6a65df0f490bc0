// A script saved as most editors save today: UTF-8 without a byte-order
// mark, lines ending in a lone LF. The comments end at their line; the
// Japanese texts arrive in Shift-JIS, as the window title shows.
//! window RUN "ＵＴＦ－８の題"
//! click 5 5
//! title "クリックした"
//! close
//! gone
//! exit 0
CREATE { // 設定
  SetCaption("ＵＴＦ－８の題") ; // 題名
  SetWinSize(200, 100) ;
}
// 左ボタン
LBUTTONDOWN { 回数 = 1 ; SetCaption("クリックした") ; }
