// Picture files that lie about their size never reach the platform's
// decoder: LoadGrpFile of a 154-byte bitmap that declares 1,000,000 x 7
// pixels, and of one whose header size field is 0xFF000028, draws nothing
// and reports nothing, and the section goes on (the caption, the box). A
// bitmap button's pictures from the same files leave its face as it was,
// and the box drawn on it after shows.
//! window RUN
//! title "続き済み"
//! rect 70 10 10 10 FF0000
//! pixel 10 10 FFFFFF
//! pixel 40 10 FFFFFF
//! pixel 15 14 FFFFFF
//! pixel 45 14 FFFFFF
//! pixel 130 50 FF0000
//! pixel 140 60 C0C0C0
//! pixel 123 43 C0C0C0
//! pixel 120 40 FFFFFF
//! nobox 500
//! close
//! exit 0
CREATE {
  SetCaption("続き") ; SetWinSize(200, 120) ;
  CreateControl(1, "", "ID_pic", 120, 40, 30, 30) ;
}
INIT {
  SetButtonGrpFile("ID_pic", "grp_wide.bmp") ;
  SetButtonGrpFile("ID_pic", "grp_hdrsize.bmp") ;
  BmpBtBox("ID_pic", 5, 5, 16, 16, 0, 2) ;
  LoadGrpFile(10, 10, "grp_wide.bmp") ;
  LoadGrpFile(40, 10, "grp_hdrsize.bmp") ;
  SetCaption("続き済み") ;
}
PAINT {
  FullPaint(7) ;
  LoadGrpFile(10, 10, "grp_wide.bmp") ;
  LoadGrpFile(40, 10, "grp_hdrsize.bmp") ;
  Box(70, 10, 80, 20, 2, 2) ;
}
