// Settings from CREATE take effect: caption, position, style, background.
//! window RUN "設定のテスト"
//! windowpos 120 90
//! style 94CA0000
//! topmost 0
//! rect 0 0 40 40 000000
//! close
//! gone
//! exit 0
CREATE {
  SetWinStyle(2) ;
  SetWinSize(300, 200) ;
  SetWinPos(120, 90, 0) ;
  SetCaption("設定のテスト") ;
  SetWinColor(0) ;
}
