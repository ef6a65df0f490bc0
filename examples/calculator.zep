// 電卓：二つの数を入れ、計算の種類をえらんで「＝」を押すと、答えが出て記録に残ります。
// 一行のエディット（種類 101）から GetEditData で数を読み、答えは
// SetEditData で書きます。下の大きなエディット（種類 100）は計算の記録です。
// ＋－×÷ はラジオボタン（種類 10）、「小数で表示」はチェックボタン（種類 20）。
// 押されるとＩＤと同じ名前のセクションが動くので、そこで SetButtonCheck を
// 使って印を付けたり外したりします。
// ためしてみよう：割り算の「あまり」（%）のボタンを足したり、小数のけた数を
// 変えたりしてみよう。
CREATE {
  SetCaption("電卓") ;
  SetWinStyle(2) ;
  SetWinSize(330, 270) ;
  SetWinColor(16) ;
  CreateControl(101, "", "ID_a", 10, 12, 100, 24) ;
  CreateControl(10, "＋", "ID_plus", 120, 4, 44, 18) ;
  CreateControl(10, "－", "ID_minus", 120, 24, 44, 18) ;
  CreateControl(10, "×", "ID_times", 168, 4, 44, 18) ;
  CreateControl(10, "÷", "ID_divide", 168, 24, 44, 18) ;
  CreateControl(101, "", "ID_b", 220, 12, 100, 24) ;
  CreateControl(0, "＝", "ID_equal", 10, 50, 100, 30) ;
  CreateControl(101, "", "ID_answer", 120, 50, 200, 30) ;
  CreateControl(20, "小数で表示", "ID_decimal", 10, 92, 120, 20) ;
  CreateControl(0, "記録を消す", "ID_clear", 220, 90, 100, 24) ;
  CreateControl(100, "", "ID_log", 10, 122, 310, 138) ;
}
INIT {
  SetControlFont("ID_answer", "ＭＳ ゴシック", 10, 20, 2) ;
  SetEditText("ID_a", "12") ;
  SetEditText("ID_b", "5") ;
  式 = 0 ;
  call("MARK") ;
  call("ID_equal") ;
  SetControlFocus("ID_a") ;
}
ID_plus { 式 = 0 ; call("MARK") ; }
ID_minus { 式 = 1 ; call("MARK") ; }
ID_times { 式 = 2 ; call("MARK") ; }
ID_divide { 式 = 3 ; call("MARK") ; }
// えらんだボタンにだけ印を付け、「＝」ボタンの字も変える
MARK {
  SetButtonCheck("ID_plus", 0) ;
  SetButtonCheck("ID_minus", 0) ;
  SetButtonCheck("ID_times", 0) ;
  SetButtonCheck("ID_divide", 0) ;
  if (式 == 0) { SetButtonCheck("ID_plus", 1) ; SetButtonText("ID_equal", "＝ たす") ; }
  if (式 == 1) { SetButtonCheck("ID_minus", 1) ; SetButtonText("ID_equal", "＝ ひく") ; }
  if (式 == 2) { SetButtonCheck("ID_times", 1) ; SetButtonText("ID_equal", "＝ かける") ; }
  if (式 == 3) { SetButtonCheck("ID_divide", 1) ; SetButtonText("ID_equal", "＝ わる") ; }
}
// チェックボタンは、押されるたびに印を付けたり外したりする
ID_decimal {
  SetButtonCheck("ID_decimal", 1 - GetButtonCheck("ID_decimal")) ;
  call("ID_equal") ;
}
ID_equal {
  a = GetEditData("ID_a") ;
  b = GetEditData("ID_b") ;
  けた = 0 ;
  if (GetButtonCheck("ID_decimal") == 1) { けた = 3 ; }
  AllClearEdit("ID_answer") ;
  // ０で割ると計算できないので、答えのかわりにお知らせを書いて戻る
  if (式 == 3) {
    if (b == 0) { SetEditText("ID_answer", "０では割れません") ; return ; }
  }
  if (式 == 0) { c = a + b ; }
  if (式 == 1) { c = a - b ; }
  if (式 == 2) { c = a * b ; }
  if (式 == 3) { c = a / b ; }
  SetEditData("ID_answer", c, けた) ;
  // 記録が長くなりすぎたら消してから、最後の行に式を書き足す
  if (GetEditLength("ID_log") > 3000) { AllClearEdit("ID_log") ; }
  SetEditCursol("ID_log", -1, -1) ;
  SetEditData("ID_log", a, けた) ;
  if (式 == 0) { SetEditText("ID_log", " ＋ ") ; }
  if (式 == 1) { SetEditText("ID_log", " － ") ; }
  if (式 == 2) { SetEditText("ID_log", " × ") ; }
  if (式 == 3) { SetEditText("ID_log", " ÷ ") ; }
  SetEditData("ID_log", b, けた) ;
  SetEditText("ID_log", " ＝ ") ;
  SetEditData("ID_log", c, けた) ;
  SetEditCodeRet("ID_log") ;
}
ID_clear {
  AllClearEdit("ID_log") ;
  SetControlFocus("ID_a") ;
}
