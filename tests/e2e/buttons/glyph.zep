// SetButtonGrp draws a standard glyph (the floppy disk) at the face's top
// left, letting the face show through around it; BmpBtBox draws on another
// button's face, and both keep the raised frame.
//! window RUN "絵"
//! pixel 40 45 FFFFFF
//! pixel 34 55 000080
//! pixel 55 65 C0C0C0
//! pixel 30 40 FFFFFF
//! pixel 69 60 000000
//! pixel 100 50 FF0000
//! pixel 95 45 000000
//! pixel 112 62 C0C0C0
//! pixel 90 40 FFFFFF
//! close
//! exit 0
CREATE {
  SetCaption("絵") ; SetWinSize(200, 150) ;
  CreateControl(1, "フロッピー", "ID_fd", 30, 40, 40, 40) ;
  CreateControl(1, "", "ID_box", 90, 40, 30, 30) ;
}
INIT {
  SetButtonGrp("ID_fd", 3) ;
  BmpBtBox("ID_box", 5, 5, 16, 16, 0, 2) ;
}
