// メモ帳：メニューから新規・開く・保存・終了ができ、「設定」の
// ダイアログで文字の大きさを選べる小さなメモ帳です。
// Menu と PopupMenuEX でメニューを作り、項目をえらぶとそのＩＤのセクションが動きます。
// ファイルとエディットの間は ReadFileToEdit と WriteFileFromEdit で読み書きします。
// ためしてみよう：「編集」メニューを足して、CutEdit や PasteEdit を呼んでみよう。
CREATE {
  SetCaption("メモ帳") ;
  SetWinSize(360, 240) ;
  SetWinColor(16) ;
  Menu("ファイル(&F)") ;
  PopupMenuEX("新規(&N)", "ID_new") ;
  PopupMenuEX("開く(&O)...", "ID_open") ;
  PopupMenuEX("保存(&S)...", "ID_save") ;
  PopupMenu("---") ;
  PopupMenuEX("終了(&X)", "ID_end") ;
  Menu("設定(&T)") ;
  PopupMenuEX("文字の大きさ(&Z)...", "ID_settings") ;
  CreateControl(100, "", "ID_memo", 0, 0, 360, 240) ;
}

INIT {
  choice = 1 ;
  SetControlFocus("ID_memo") ;
}

ID_new {
  AllClearEdit("ID_memo") ;
  SetEditNoChange("ID_memo") ;
  SetCaption("メモ帳") ;
}

ID_open {
  if (OpenFileReadDlg("メモを開く") == 1) {
    ReadFileToEdit("ID_memo") ;
    CloseFile ;
    SetCaption("FILE_NAME") ;
    SetEditNoChange("ID_memo") ;
  }
}

ID_save {
  if (FileNameDlgW("メモを保存", "", 21) == 1) {
    OpenFileWrite("FILE_NAME") ;
    WriteFileFromEdit("ID_memo") ;
    CloseFile ;
    SetCaption("FILE_NAME") ;
    SetEditNoChange("ID_memo") ;
  }
}

// 終了も閉じるボタンと同じく、変更があれば確かめます。
ID_end { call("CLOSE") ; }

// 保存していない変更があれば、終わる前に確かめます。
CLOSE {
  if (GetEditChange("ID_memo") == 0) { end ; }
  if (MessBox("保存していない変更があります。終了しますか？", "メモ帳", 3, 3) == 1) { end ; }
}

// 設定のダイアログ：文字の大きさを選んで「決定」を押します。
ID_settings { DlgBox("ID_set") ; }

ID_setCREATE {
  SetCaption("文字の大きさ") ;
  SetWinSize(220, 100) ;
  SetWinColor(16) ;
  CreateControl(60, "大きさ", "ID_set_label", 10, 14, 60, 20) ;
  CreateControl(33, "", "ID_set_size", 80, 10, 120, 120) ;
  CreateControl(0, "決定", "ID_set_ok", 20, 55, 80, 26) ;
  CreateControl(0, "やめる", "ID_set_cancel", 120, 55, 80, 26) ;
}

ID_setINIT {
  SetListText("ID_set_size", "小 (10)") ;
  SetListText("ID_set_size", "中 (12)") ;
  SetListText("ID_set_size", "大 (16)") ;
  SetListText("ID_set_size", "特大 (24)") ;
  SetListPos("ID_set_size", choice) ;
}

ID_set_ok {
  choice = GetListPos("ID_set_size") ;
  size = 12 ;
  if (choice == 0) { size = 10 ; }
  if (choice == 2) { size = 16 ; }
  if (choice == 3) { size = 24 ; }
  SetControlFont("ID_memo", "ＭＳ ゴシック", size / 2, size, 0) ;
  end ;
}

ID_set_cancel { end ; }
