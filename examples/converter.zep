// 単位の換算：数を入れて単位を選び「換算」を押すと、答えが下に出ます。
// 一行エディット（種類 101）、コンボボックス（種類 33）、ボタン（種類 0）を
// CreateControl で作ります。GetEditData で数を、GetListPos でえらんだ単位の
// 番号を読んで計算し、SetEditData で答えを書きます。
// ためしてみよう：「m → km」のような単位を足してみよう（SetListText と if を一つずつ）。
CREATE {
  SetCaption("単位の換算") ;
  SetWinStyle(2) ;
  SetWinSize(300, 170) ;
  SetWinColor(16) ;
  CreateControl(60, "数", "ID_label", 10, 14, 40, 20) ;
  CreateControl(101, "", "ID_number", 50, 10, 120, 22) ;
  CreateControl(33, "", "ID_unit", 180, 10, 110, 120) ;
  CreateControl(0, "換算", "ID_convert", 50, 45, 80, 26) ;
  CreateControl(0, "消す", "ID_clear", 140, 45, 80, 26) ;
  CreateControl(60, "答え", "ID_label2", 10, 94, 40, 20) ;
  CreateControl(101, "", "ID_answer", 50, 90, 240, 22) ;
}
INIT {
  SetListText("ID_unit", "cm → inch") ;
  SetListText("ID_unit", "inch → cm") ;
  SetListText("ID_unit", "kg → pound") ;
  SetListText("ID_unit", "pound → kg") ;
  SetListPos("ID_unit", 0) ;
  SetControlFocus("ID_number") ;
}
ID_convert {
  x = GetEditData("ID_number") ;
  unit = GetListPos("ID_unit") ;
  if (unit == 0) { y = x / 2.54 ; }
  if (unit == 1) { y = x * 2.54 ; }
  if (unit == 2) { y = x / 0.4536 ; }
  if (unit == 3) { y = x * 0.4536 ; }
  AllClearEdit("ID_answer") ;
  SetEditData("ID_answer", y, 2) ;
  SetEditText("ID_answer", " ") ;
  GetComboText("ID_unit", "ID_answer") ;
}
ID_clear {
  AllClearEdit("ID_number") ;
  AllClearEdit("ID_answer") ;
  SetControlFocus("ID_number") ;
}
