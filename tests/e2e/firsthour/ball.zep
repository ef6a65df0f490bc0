// A newcomer's bouncing ball, saved as UTF-8 with LF line ends: the ball
// moves with the timer and turns back at the window's edges.
//! window RUN "ボール"
//! notblank
//! title "はねかえった！"
//! title "もどってきた"
//! close
//! gone
//! exit 0

// ボールがはねる
CREATE {
  SetCaption("ボール") ;
  SetWinSize(300, 160) ;
  SetTimer(20) ;
}

INIT {
  x = 20 ;   // ボールの左
  dx = 4 ;   // 1回に動く分
}

TIMER {
  FullPaint(7) ;
  x = x + dx ;
  // 右のかべ
  if (x > 270) {
    dx = -4 ;
    SetCaption("はねかえった！") ;
  }
  // 左のかべ
  if (x < 0) {
    dx = 4 ;
    SetCaption("もどってきた") ;
  }
  Circle(x, 50, x + 20, 70, 2, 2) ;
}
