// A newcomer's drawing pad, saved as UTF-8 with LF line ends: the pointer
// draws while the left button is held, and not after it is released.
//! window RUN "おえかき"
//! mousemove 20 20
//! down 20 20
//! mousemove 100 20
//! pixel 60 20 0000FF
//! up 100 20
//! mousemove 100 90
//! title "はなした"
//! pixel 100 55 FFFFFF
//! close
//! gone
//! exit 0

// おえかき帳
CREATE {
  SetCaption("おえかき") ;
  SetWinSize(200, 120) ;
}

INIT { かく = 0 ; }

// おしたらかきはじめ
LBUTTONDOWN {
  かく = 1 ;
  まえx = MOUSE_X ;
  まえy = MOUSE_Y ;
}

MOUSEMOVE {
  if (かく == 1) {
    Line(まえx, まえy, MOUSE_X, MOUSE_Y, 1) ;   // 1 は青
    まえx = MOUSE_X ;
    まえy = MOUSE_Y ;
  }
}

LBUTTONUP { かく = 0 ; SetCaption("はなした") ; }
