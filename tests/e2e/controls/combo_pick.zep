// Picking an item of a drop-down list runs its section once, and GetListPos
// tells which item it is; GetListText copies the item's text.
//! window RUN "選択"
//! ctlkey 50 20 40
//! title "picked 0"
//! ctltext 50 60 "りんご"
//! ctlkey 50 20 40
//! title "picked 1"
//! close
//! exit 0
CREATE {
  SetCaption("選択") ; SetWinSize(220, 140) ;
  CreateControl(33, "", "ID_fruit", 10, 10, 150, 100) ;
  CreateControl(101, "", "ID_out", 10, 50, 150, 22) ;
}
INIT {
  SetListText("ID_fruit", "りんご") ;
  SetListText("ID_fruit", "みかん") ;
}
ID_fruit {
  p = GetListPos("ID_fruit") ;
  if (p == 0) { SetCaption("picked 0") ; GetListText("ID_fruit", "ID_out") ; }
  if (p == 1) { SetCaption("picked 1") ; }
}
