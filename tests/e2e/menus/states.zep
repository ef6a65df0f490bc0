// A greyed item cannot be chosen; SetMenuStyle replaces the greyed state on
// every call, so the item can be chosen again once it is enabled.
//! window RUN "状態"
//! altkey s
//! sleep 300
//! key 0x28
//! key 0x0D
//! nobox 500
//! title "状態"
//! key 0x1B
//! key 0x1B
//! click 5 5
//! title "有効"
//! altkey s
//! sleep 300
//! key 0x28
//! key 0x0D
//! title "A"
//! close
//! gone
//! exit 0
CREATE {
  SetCaption("状態") ; SetWinSize(240, 120) ;
  Menu("設定(&S)") ; PopupMenuEX("A", "ID_a") ;
}
INIT { SetMenuStyle("ID_a", 1, 1) ; }
LBUTTONDOWN { SetMenuStyle("ID_a", 1, 0) ; SetCaption("有効") ; }
ID_a { SetCaption("A") ; }
