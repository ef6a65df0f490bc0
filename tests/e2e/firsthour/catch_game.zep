// A newcomer's catch game, saved as UTF-8 with LF line ends: the arrow keys
// move the catcher, fruits fall from places rand chose, and the caption
// counts the fruits left.
//! window RUN "キャッチ"
//! pixel 110 145 00FF00
//! key 0x27
//! key 0x27
//! key 0x27
//! pixel 160 145 00FF00
//! notpixel 105 145 00FF00
//! key 0x25
//! pixel 150 145 00FF00
//! title "キャッチ のこり2"
//! close
//! gone
//! exit 0

// キャッチゲーム
CREATE {
  SetCaption("キャッチ") ;
  SetWinSize(300, 160) ;
  SetTimer(30) ;
}

INIT {
  うけ = 100 ;           // うけざらの左
  たね = SEC ;
  くだもの = rand(たね) * 2 + 40 ;   // 40〜238
  たかさ = 0 ;
  てん = 0 ;
  のこり = 3 ;
}

// ←(37) と →(39) で動かす
KEYDOWN {
  if (KEY == 37) { うけ = うけ - 10 ; }
  if (KEY == 39) { うけ = うけ + 10 ; }
}

TIMER {
  FullPaint(7) ;
  たかさ = たかさ + 3 ;
  if (たかさ > 130) {
    // うけざらにかさなったらとれた
    if (くだもの + 10 >= うけ) {
      if (くだもの <= うけ + 60) { てん = てん + 1 ; }
    }
    のこり = のこり - 1 ;
    if (のこり == 2) { SetCaption("キャッチ のこり2") ; }
    if (のこり == 1) { SetCaption("キャッチ のこり1") ; }
    if (のこり == 0) { SetCaption("おしまい") ; }
    たね = たね + 1 ;
    くだもの = rand(たね) * 2 + 40 ;
    たかさ = 0 ;
  }
  Circle(くだもの, たかさ, くだもの + 10, たかさ + 10, 2, 2) ;
  Box(うけ, 140, うけ + 60, 150, 4, 4) ;
  PrintData(10, 10, 0, 0, 16, 0, 0, てん) ;
}
