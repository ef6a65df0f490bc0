// Menu items chosen with the mouse, as a user does: the popup shows the
// check marks and greyed texts that SetMenuStyle set, a click on a greyed
// item does nothing, and a click on an enabled one runs its section.
//! window RUN "マウス"
//! realclick 20 -10
//! pixel 8 14 000000
//! pixel 8 39 FFFFFF
//! pixel 24 36 808080
//! realclick 30 37
//! nobox 500
//! title "マウス"
//! realclick 30 12
//! title "開いた"
//! realclick 20 -10
//! pixel 8 14 FFFFFF
//! pixel 8 39 000000
//! pixel 24 36 000000
//! realclick 30 37
//! title "保存した"
//! close
//! gone
//! exit 0
CREATE {
  SetCaption("マウス") ; SetWinSize(240, 120) ;
  Menu("ﾌｧｲﾙ(&F)") ; PopupMenu("開く") ; PopupMenu("---") ; PopupMenu("保存") ;
}
INIT { SetMenuStyle("開く", 1, 0) ; SetMenuStyle("保存", 0, 1) ; }
開く {
  SetMenuStyle("開く", 0, 0) ; SetMenuStyle("保存", 1, 0) ;
  SetCaption("開いた") ;
}
保存 { SetCaption("保存した") ; }
