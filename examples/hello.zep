// はじめてのZEP：クリックした回数を数えて、タイトルに表示します。
// A first script: the window counts clicks, the timer ends it after a while.
CREATE {
  SetWinStyle(2) ;
  SetWinSize(320, 200) ;
  SetCaption("はじめてのZEP") ;
  SetTimer(1000) ;
}
INIT {
  clicks = 0 ;
  seconds = 0 ;
}
LBUTTONDOWN {
  clicks = clicks + 1 ;
  if (clicks == 3) { SetCaption("３回クリックしました") ; }
}
TIMER {
  seconds = seconds + 1 ;
  if (seconds >= 60) { end ; }
}
CLOSE {
  end ;
}
