// A newcomer's click counter, saved as UTF-8 with LF line ends: a click
// counts one, and a quick second click, which arrives as a double click,
// counts one more.
//! window RUN "クリック数"
//! click 50 50
//! title "1回"
//! dblclick 50 50
//! title "3回"
//! notblank
//! close
//! gone
//! exit 0

// クリックをかぞえる
CREATE {
  SetCaption("クリック数") ;
  SetWinSize(200, 100) ;
}

INIT { かず = 0 ; }

LBUTTONDOWN { call("かぞえる") ; }
// はやく２回おすとダブルクリックになる
LBUTTONDBLCLK { call("かぞえる") ; }

かぞえる {
  かず = かず + 1 ;
  FullPaint(7) ;
  PrintData(10, 10, 0, 0, 24, 1, 0, かず) ;
  if (かず == 1) { SetCaption("1回") ; }
  if (かず == 3) { SetCaption("3回") ; }
}
