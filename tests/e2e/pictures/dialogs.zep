// SaveBMPDlg adds ".bmp" to a name without a "."; LoadBMPDlg loads the
// chosen file (result 1), and a cancelled LoadBMPDlg gives 0 and draws
// nothing. (The driver types the names as full paths from this folder,
// which holds no ".".)
//! delete "dlg_saved.bmp"
//! window RUN "ダイアログ"
//! dialog "ＢＭＰファイルのセーブ"
//! dialogfile "dlg_saved"
//! filehex "dlg_saved.bmp" "424d 3a000000 0000 0000 36000000 28000000 01000000 01000000 0100 2000 00000000 04000000 00000000 00000000 00000000 00000000 ff000000"
//! dialog "ＢＭＰファイルのロード"
//! dialogfile "bmp24.bmp"
//! rect 40 10 5 4 FF0000
//! rect 45 14 5 4 FFFF00
//! dialog "ＢＭＰファイルのロード"
//! dialogcancel
//! pixel 70 10 FFFFFF
//! pixel 2 2 00FF00
//! close
//! exit 0
CREATE { SetCaption("ダイアログ") ; SetWinSize(200, 80) ; }
INIT { step = 0 ; }
PAINT {
  if (step == 0) {
    step = 1 ;
    FullPaint(7) ;
    Point(0, 0, 1) ;
    s = SaveBMPDlg(0, 0, 1, 1) ;
    l = LoadBMPDlg(40, 10) ;
    c = LoadBMPDlg(70, 10) ;
  }
  FullPaint(7) ;
  if (l == 1) { LoadBMP(40, 10, "FILE_NAME") ; }
  if (s + l * 2 + c * 4 == 3) { Box(0, 0, 5, 5, 4, 4) ; }
}
