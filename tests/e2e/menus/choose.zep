// Choosing menu items with the keyboard runs their sections: Alt with the
// title's letter opens its popup on the first item, Down passes over the
// separator, Enter chooses; a PopupMenu item runs the section of its text,
// a PopupMenuEX item the section of its ID.
//! window RUN "メニュー"
//! altkey f
//! sleep 300
//! key 0x0D
//! title "開いた"
//! altkey f
//! sleep 300
//! key 0x28
//! key 0x0D
//! title "保存した"
//! altkey v
//! sleep 300
//! key 0x0D
//! title "赤い"
//! close
//! gone
//! exit 0
CREATE {
  SetCaption("メニュー") ; SetWinSize(240, 120) ;
  Menu("ﾌｧｲﾙ(&F)") ; PopupMenu("開く") ; PopupMenu("---") ; PopupMenu("保存") ;
  Menu("空") ;
  Menu("表示(&V)") ; PopupMenuEX("赤", "ID_red") ;
}
開く { SetCaption("開いた") ; }
保存 { SetCaption("保存した") ; }
ID_red { SetCaption("赤い") ; }
赤 { call("WRONG_SECTION") ; }
