// A newcomer's first clock, saved as UTF-8 with LF line ends: the time is
// drawn every second, so the window is not blank and its caption is the
// Japanese title; the seconds go on.
//! window RUN "とけい"
//! notblank
//! title "とけい 動いてる"
//! close
//! gone
//! exit 0

// とけい：いまの時刻をだす
CREATE {
  SetCaption("とけい") ;
  SetWinSize(240, 100) ;
  SetTimer(200) ;   // 0.2秒ごと
}

// 時・分・秒をかく
TIMER {
  FullPaint(7) ;
  PrintData(10, 30, 0, 0, 24, 0, 0, HOUR) ;
  Print(50, 30, 0, 0, 24, 0, "時") ;
  PrintData(80, 30, 0, 0, 24, 0, 0, MIN) ;
  Print(120, 30, 0, 0, 24, 0, "分") ;
  PrintData(150, 30, 0, 0, 24, 0, 0, SEC) ;
  Print(190, 30, 0, 0, 24, 0, "秒") ;
  // 秒がかわったら動いている
  if (まえ != SEC) { かわった = かわった + 1 ; まえ = SEC ; }
  if (かわった == 3) { SetCaption("とけい 動いてる") ; }
}

INIT {
  まえ = SEC ;
  かわった = 0 ;
}
