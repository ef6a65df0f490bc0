#include "assist/catalog.h"

#include "core/common.h"

namespace zep {

namespace {

constexpr EntryKind C = EntryKind::kCommand;
constexpr EntryKind F = EntryKind::kFunction;
constexpr EntryKind S = EntryKind::kStatement;
constexpr EntryKind E = EntryKind::kSection;
constexpr EntryKind V = EntryKind::kVariable;

// Descriptions of commands listed in two places, or sharing one meaning:
// each place shows the same line.
const char kLoadBmp[] = "ＢＭＰファイルを読み込んで表示する";
const char kSaveBmp[] = "画面の一部をＢＭＰファイルに保存する";
const char kSubScreen[] = "裏画面を準備する（CREATE内）";
const char kMessBox[] = "メッセージボックスを表示して答えを返す";
const char kReadFileToEdit[] = "開いているファイルの内容をエディットに読み込む";
const char kWriteFileFromEdit[] = "エディットの内容を開いているファイルに書き込む";
const char kWinExec[] = "他のアプリケーションを実行する";
const char kWinHelp[] = "ヘルプファイルを開く";

const CatalogEntry kGraphics[] = {
    {"Box(XL,YT,XR,YB,OC,IC) ;", "長方形、正方形を描く", C},
    {"RBox(XL,YT,XR,YB,RX,RY,OC,IC) ;", "角の丸い長方形を描く", C},
    {"FBox(X1,Y1,X2,Y2,X3,Y3,X4,Y4,OC,IC) ;", "４つの点を結ぶ四角形を描く", C},
    {"FullPaint(C) ;", "ウィンドウ全体を１色で塗りつぶす", C},
    {"Triangle(X1,Y1,X2,Y2,X3,Y3,OC,IC) ;", "３つの点を結ぶ三角形を描く", C},
    {"Circle(XL,YT,XR,YB,OC,IC) ;", "円、楕円を描く", C},
    {"Line(X1,Y1,X2,Y2,C) ;", "直線を描く", C},
    {"Point(X,Y,C) ;", "点を描く", C},
    {"ClipBMP(XL,YT,W,H) ;", "画面の一部をクリップボードへコピーする", C},
    {"CopyBMP(Scr,X1,Y1,W1,H1,Scr,X2,Y2,W2,H2,mode) ;", "画面の一部を別の位置や画面へコピーする", C},
    {"ShiftBMPColor(Scr,X1,Y1,W,H,Scr,X2,Y2,Percent) ;", "画面の一部を色の明るさを変えてコピーする", C},
    {"LoadBMP(X,Y,\"Name.BMP\") ;", kLoadBmp, C},
    {"LoadBMPDlg(X,Y) ;", kLoadBmp, C},
    {"SaveBMP(X,Y,W,H,\"Name.BMP\") ;", kSaveBmp, C},
    {"SaveBMPDlg(X,Y,W,H) ;", kSaveBmp, C},
    {"LoadGrpFile(X,Y,\"FileName\") ;", "画像ファイル（ＢＭＰ、ＪＰＥＧ、ＧＩＦ、アイコン）を表示する", C},
    {"SetPal(n,R,G,B) ;", "パレット番号に色を設定する", C},
    {"Pie(XL,YT,XR,YB,ST,SP,OC,IC) ;", "扇形を描く", C},
    {"Arc(XL,YT,XR,YB,ST,SP,C) ;", "円弧を描く", C},
    {"Chord(XL,YT,XR,YB,ST,SP,OC,IC) ;", "円弧と弦で囲まれた弓形を描く", C},
    {"GetPixelR(X,Y) ;", "赤色の度合いを ANSWER に代入する", C},
    {"GetPixelG(X,Y) ;", "緑色の度合いを ANSWER に代入する", C},
    {"GetPixelB(X,Y) ;", "青色の度合いを ANSWER に代入する", C},
    {"SubScreen(wide,height) ;", kSubScreen, C},
    {"SelectScreen(n) ;", "描画する画面を選択する（表：１、裏：０）", C},
};

const CatalogEntry k3DGraphics[] = {
    {"Create3DPack(pack_n,size) ;", "３Ｄパックを準備する（CREATE内）", C},
    {"Set3DCenter(x,y,deep) ;", "３Ｄ表示の中心と視点までの距離を設定する", C},
    {"Add3DPack(pack_n,x1,y1,z1,x2,y2,z2,x3,y3,z3,r,g,b) ;", "３Ｄパックに色の付いた三角形を加える", C},
    {"Clear3DPack(pack_n) ;", "３Ｄパックの三角形を全て消し、向きと位置を戻す", C},
    {"Draw3DPack(pack_n) ;", "３Ｄパックを描く", C},
    {"Set3DLocalRotateX(pack_n,r) ;", "３Ｄパックを自分のＸ軸のまわりに回す", C},
    {"Set3DLocalRotateY(pack_n,r) ;", "３Ｄパックを自分のＹ軸のまわりに回す", C},
    {"Set3DLocalRotateZ(pack_n,r) ;", "３Ｄパックを自分のＺ軸のまわりに回す", C},
    {"Set3DLocalPosX(pack_n,move) ;", "３Ｄパックを自分のＸ軸の向きに動かす", C},
    {"Set3DLocalPosY(pack_n,move) ;", "３Ｄパックを自分のＹ軸の向きに動かす", C},
    {"Set3DLocalPosZ(pack_n,move) ;", "３Ｄパックを自分のＺ軸の向きに動かす", C},
    {"Set3DWorldPosX(pack_n,move) ;", "３Ｄパックを空間のＸ軸の向きに動かす", C},
    {"Set3DWorldPosY(pack_n,move) ;", "３Ｄパックを空間のＹ軸の向きに動かす", C},
    {"Set3DWorldPosZ(pack_n,move) ;", "３Ｄパックを空間のＺ軸の向きに動かす", C},
    {"Reset3DRotate(pack_n) ;", "３Ｄパックの向きを元に戻す", C},
    {"Reset3DPos(pack_n) ;", "３Ｄパックの位置を元に戻す", C},
    {"Save3DPack(pack_n) ;", "３Ｄパックを開いているファイルに書き込む", C},
    {"Load3DPack(pack_n) ;", "開いているファイルから３Ｄパックを読み込む", C},
};

const CatalogEntry kText[] = {
    {"Print(X,Y,R,W,H,C,\"text\") ;", "文字列を表示する", C},
    {"PrintCode(X,Y,R,W,H,C,AsciiCode) ;", "文字コードで１バイト文字を表示する", C},
    {"PrintKJCode(X,Y,R,W,H,C,Code1,Code2) ;", "２バイトの文字コードで漢字などを表示する", C},
    {"PrintData(X,Y,R,W,H,C,n,data) ;", "数値を小数点以下の桁数を決めて表示する", C},
    {"AscType(AsciiCode) ;", "文字の種類を返す(１バイト：１、その他：０)", F},
    {"SetFont(\"FontName\",Switch) ;", "文字表示のフォントと修飾を設定する", C},
    {"MessBox(\"message\",\"title\",btn,icon) ;", kMessBox, C},
};

const CatalogEntry kFiles[] = {
    {"OpenFileRead(\"FileName\") ;", "ファイルを読み込み用に開く", C},
    {"OpenFileWrite(\"FileName\") ;", "ファイルを書き込み用に開く（中身は消える）", C},
    {"OpenFileReadDlg(\"DlgTitle\") ;", "ダイアログで選んだファイルを読み込み用に開く", C},
    {"OpenFileWriteDlg(\"DlgTitle\") ;", "ダイアログで選んだファイルを書き込み用に開く", C},
    {"CloseFile ;", "開いているファイルを閉じる", C},
    {"FileNameDlgR(\"DlgTitle\",\"list\",type) ;", "開くダイアログでファイル名を選ぶ", C},
    {"FileNameDlgW(\"DlgTitle\",\"list\",type) ;", "保存ダイアログでファイル名を選ぶ", C},
    {"ReadFile(pos) ;", "ファイルから１バイト読み込む", C},
    {"WriteFile(pos,data) ;", "ファイルへ１バイト書き込む", C},
    {"ReadFileToEdit(\"ID_edit\") ;", kReadFileToEdit, C},
    {"WriteFileFromEdit(\"ID_edit\") ;", kWriteFileFromEdit, C},
    {"GetFileLength(\"FileName\") ;", "ファイルのサイズを返す", C},
    {"GetFileName(\"ID_edit\",\"FileName\") ;", "パス付きファイル名からファイル名を取出す", C},
    {"GetFilePath(\"ID_edit\",\"FileName\") ;", "パス付きファイル名からパスのみを取出す", C},
};

const CatalogEntry kWindow[] = {
    {"SetWinStyle(type) ;", "ウィンドウのスタイルを設定する（CREATE内）", C},
    {"SetWinStyleOption(type,opt1,opt2) ;", "ウィンドウの外形を設定する（CREATE内）", C},
    {"SetWinColor(C) ;", "ウィンドウの背景色を設定する（CREATE内）", C},
    {"SetScrollBar(H_Size,V_Size) ;", "ウィンドウにスクロールバーを付ける（CREATE内）", C},
    {"SetWinSize(Wide,Height) ;", "ウィンドウのサイズを設定する", C},
    {"SetWinPos(XL,YT,Z) ;", "ウィンドウの位置を設定する", C},
    {"SetCaption(\"caption\") ;", "ウィンドウのタイトルを設定する", C},
    {"Menu(\"MenuName\") ;", "メニューバーにメニューを加える（CREATE内）", C},
    {"PopupMenuEX(\"PopupName\",\"ID_menu\") ;", "メニューに項目を加える（CREATE内）", C},
    {"SetMenuStyle(\"PopupMenuName\",check,color) ;", "メニュー項目のチェックと灰色表示を設定する", C},
    {"MessBox(\"message\",\"title\",btn,icon) ;", kMessBox, C},
    {"DlgBox(\"ID_str\") ;", "ダイアログボックスを開く", C},
    {"WinExec(\"FileName\") ;", kWinExec, C},
    {"WinHelp(\"HelpFileName\") ;", kWinHelp, C},
};

const CatalogEntry kControls[] = {
    {"CreateControl(type,\"str\",\"ID_control\",x,y,w,h) ;", "コントロールを作る（CREATE内）", C},
    {"SetControlSize(\"ID_control\",x,y,w,h) ;", "コントロールの位置とサイズを変える", C},
    {"SetControlFont(\"ID_control\",\"font_name\",w,h,sw) ;", "コントロールのフォントを設定する", C},
    {"SetControlFocus(\"ID_control\") ;", "コントロールにフォーカスを移す", C},
    {"KillControlFocus ;", "コントロールからウィンドウへフォーカスを戻す", C},
};

const CatalogEntry kButtons[] = {
    {"SetButtonText(\"ID_button\",\"text\") ;", "ボタンの表示、またはボタンヒントを設定する", C},
    {"SetButtonGrpFile(\"ID_button\",\"FileName\") ;", "ＢＭＰボタンに画像ファイルを描く", C},
    {"SetButtonGrp(\"ID_button\",type) ;", "ＢＭＰボタンに標準の絵を描く", C},
    {"SetButtonCheck(\"ID_button\",sw) ;", "ボタンのチェックを付ける、外す", C},
    {"GetButtonCheck(\"ID_button\") ;", "ボタンのチェック状態を返す", C},
    {"BmpBtBox(\"ID_button\",XL,YT,XR,YB,OC,IC) ;", "ＢＭＰボタンに長方形を描く", C},
    {"BmpBtCircle(\"ID_button\",XL,YT,XR,YB,OC,IC) ;", "ＢＭＰボタンに円、楕円を描く", C},
    {"BmpBtLine(\"ID_button\",X1,Y1,X2,Y2,C) ;", "ＢＭＰボタンに直線を描く", C},
    {"BmpBtPoint(\"ID_button\",X,Y,C) ;", "ＢＭＰボタンに点を描く", C},
};

const CatalogEntry kEdits[] = {
    {"AllSelectEdit(\"ID_edit\") ;", "内容を全て選択する", C},
    {"ClearEdit(\"ID_edit\") ;", "選択範囲を削除する", C},
    {"AllClearEdit(\"ID_edit\") ;", "内容を全て削除する", C},
    {"ClipEdit(\"ID_edit\") ;", "選択範囲をクリップボードへコピーする", C},
    {"AllClipEdit(\"ID_edit\") ;", "内容を全てクリップボードへコピーする", C},
    {"CompEditText(\"ID_edit\",n,\"str\") ;", "指定位置の文字列を比べる（一致：１、不一致：０）", C},
    {"CutEdit(\"ID_edit\") ;", "選択範囲を切り取ってクリップボードへ送る", C},
    {"GetEditChange(\"ID_edit\") ;", "内容の変更状態を返す", C},
    {"GetEditCode(\"ID_edit\",n) ;", "指定位置の文字コードを返す", C},
    {"GetEditCursolEnd(\"ID_edit\") ;", "選択範囲の終わりの位置を返す", C},
    {"GetEditCursolStart(\"ID_edit\") ;", "カーソル（選択範囲の始め）の位置を返す", C},
    {"GetEditData(\"ID_edit\") ;", "内容を数値に変換して返す", C},
    {"GetEditLength(\"ID_edit\") ;", "内容の長さ（バイト数）を返す", C},
    {"GetEditText(\"ID_editA\",st,sp,\"ID_editB\") ;", "内容の一部を別のエディットへ書き込む", C},
    {"PasteEdit(\"ID_edit\") ;", "クリップボードの内容を貼り付ける", C},
    {"ReadFileToEdit(\"ID_edit\") ;", kReadFileToEdit, C},
    {"UndoEdit(\"ID_edit\") ;", "最後の操作をやり直す", C},
    {"SearchEditText(\"ID_edit\",n,\"str\") ;", "文字列を探して位置を返す（無い時：－１）", C},
    {"SetEditCode(\"ID_edit\",data) ;", "文字コードの１バイトを書き込む", C},
    {"SetEditCodeRet(\"ID_edit\") ;", "改行を書き込む", C},
    {"SetEditCursol(\"ID_edit\",st,sp) ;", "選択範囲（カーソル位置）を設定する", C},
    {"SetEditData(\"ID_edit\",data,n) ;", "数値を１０進文字列に変換して書き込む", C},
    {"SetEditData16(\"ID_edit\",data) ;", "数値を１６進文字列に変換して書き込む", C},
    {"SetEditNoChange(\"ID_edit\") ;", "内容の変更状態をリセットする", C},
    {"SetEditText(\"ID_edit\",\"text\") ;", "カーソルの位置に文字列を書き込む", C},
    {"WriteFileFromEdit(\"ID_edit\") ;", kWriteFileFromEdit, C},
};

const CatalogEntry kLists[] = {
    {"SetListText(\"ID_list\",\"text\") ;", "リストに項目を加える", C},
    {"GetListPos(\"ID_list\") ;", "選択されている項目の番号を返す（無い時：－１）", C},
    {"SetListPos(\"ID_list\",n) ;", "項目を番号で選択する", C},
    {"GetListText(\"ID_list\",\"ID_edit\") ;", "選択されている項目をエディットへ書き込む", C},
    {"ClearList(\"ID_list\") ;", "項目を全て削除する", C},
    {"GetComboText(\"ID_combo\",\"ID_edit\") ;", "コンボボックスの文字列をエディットへ書き込む", C},
};

const CatalogEntry kScrolls[] = {
    {"SetScrollRange(\"ID_scroll\",renge) ;", "スクロールバーの範囲を設定する", C},
    {"SetScrollPos(\"ID_scroll\",pos) ;", "スクロールボックスの位置を設定する", C},
    {"GetScrollPos(\"ID_scroll\") ;", "スクロールボックスの位置を返す", C},
};

const CatalogEntry kSounds[] = {
    {"WaveBuf(\"buf_name\",size) ;", "ＷＡＶＥバッファを準備する（CREATE内）", C},
    {"PlayWaveBuf(\"buf_name\",flag) ;", "ＷＡＶＥバッファを再生する", C},
    {"StopWaveBuf() ;", "ＷＡＶＥバッファの再生を止める", C},
    {"SetWaveBuf(\"buf_name\",pos,data) ;", "ＷＡＶＥバッファにデータを書き込む", C},
    {"GetWaveBuf(\"buf_name\",pos) ;", "ＷＡＶＥバッファのデータを返す", C},
    {"SaveWaveBuf(\"buf_name\") ;", "ＷＡＶＥバッファを開いているファイルに書き込む", C},
    {"EntryWaveFile(ID,\"file_name\") ;", "ＷＡＶＥファイルを番号で登録する", C},
    {"EntryMidiFile(ID,\"file_name\") ;", "ＭＩＤＩファイルを番号で登録する", C},
    {"PlaySound(ID,flag) ;", "登録したサウンドを再生する", C},
    {"PauseSound(ID) ;", "サウンドを停止／再開する", C},
    {"StopSound(ID) ;", "サウンドの再生を止める", C},
};

const CatalogEntry kOthers[] = {
    {"Data(\"name\",SizeY,SizeX) ;", "配列変数を設定する", C},
    {"DataInit(\"name\",data) ;", "配列変数の全ての要素に同じ値を入れる", C},
    {"SetTimer(t) ;", "タイマーの時間（ミリ秒）を設定する（CREATE内）", C},
    {"SubScreen(Wide,Height) ;", kSubScreen, C},
    {"Beep(n) ;", "システムの音を鳴らす", C},
    {"WinExec(\"FileName\") ;", kWinExec, C},
    {"WinHelp(\"HelpFileName\") ;", kWinHelp, C},
    {"sin(x)", "サインを返す（角度は度）", F},
    {"cos(x)", "コサインを返す（角度は度）", F},
    {"tan(x)", "タンジェントを返す（角度は度）", F},
    {"asin(x)", "アークサインを度で返す", F},
    {"acos(x)", "アークコサインを度で返す", F},
    {"atan(x)", "アークタンジェントを度で返す", F},
    {"sqrt(data)", "平方根を返す", F},
    {"fix(data)", "整数部分を返す", F},
    {"abs(data)", "絶対値を返す", F},
    {"rand(s)", "乱数を返す", F},
};

const CatalogEntry kStatements[] = {
    {"loop(n){ 処理内容 }", "繰り返し処理", S},
    {"call(\"SubName\") ;", "サブルーチンを呼び出し実行", S},
    {"if(a > b){ 処理内容 }", "条件の満足により実行", S},
    {"return ;", "サブルーチンから呼び出しもとへ戻る", S},
    {"end ;", "プログラムの終了", S},
};

const CatalogEntry kSections[] = {
    {"CREATE", "ウィンドウが開く前に実行される", E},
    {"INIT", "ウィンドウが開いた直後に１回だけ実行される", E},
    {"PAINT", "ウィンドウの描画が必要な時、実行される", E},
    {"SIZE", "ウィンドウサイズが変更されると実行される", E},
    {"MOVE", "ウィンドウの位置が変更されると実行される", E},
    {"TIMER", "タイマーの設定時間ごとに実行される", E},
    {"LBUTTONDOWN", "マウスの左ボタンが押されると実行される", E},
    {"RBUTTONDOWN", "マウスの右ボタンが押されると実行される", E},
    {"MBUTTONDOWN", "マウスの中央ボタンが押されると実行される", E},
    {"LBUTTONDBLCLK", "左ダブルクリックが起きると実行される", E},
    {"RBUTTONDBLCLK", "右ダブルクリックが起きると実行される", E},
    {"MBUTTONDBLCLK", "中央ダブルクリックが起きると実行される", E},
    {"LBUTTONUP", "マウスの左ボタンが離されると実行される", E},
    {"RBUTTONUP", "マウスの右ボタンが離されると実行される", E},
    {"MBUTTONUP", "マウスの中央ボタンが離されると実行される", E},
    {"MOUSEMOVE", "マウスが移動すると実行される", E},
    {"CLOSE", "ウィンドウが閉じる直前に実行される", E},
    {"SETFOCUS", "フォーカスを得ると実行される", E},
    {"KILLFOCUS", "フォーカスを失うと実行される", E},
    {"KEYDOWN", "キーが押されると実行される（キーコード）", E},
    {"KEYUP", "キーが離されると実行される", E},
    {"CHARDOWN", "キーが押されると実行される（アスキーコード）", E},
    {"HSCROLLBAR", "水平スクロールバーが操作されると実行される", E},
    {"VSCROLLBAR", "垂直スクロールバーが操作されると実行される", E},
};

const CatalogEntry kVariables[] = {
    {"MOUSE_X", "マウスのＸ座標", V},
    {"MOUSE_Y", "マウスのＹ座標", V},
    {"WIN_X", "親ウィンドウのクライアントエリアの横サイズ", V},
    {"WIN_Y", "親ウィンドウのクライアントエリアの縦サイズ", V},
    {"WIN_L", "親ウィンドウの位置（左上Ｘ座標）", V},
    {"WIN_T", "親ウィンドウの位置（左上Ｙ座標）", V},
    {"SCR_X", "スクリーンの横サイズ", V},
    {"SCR_Y", "スクリーンの縦サイズ", V},
    {"SCROLL_H", "水平スクロールボックスの位置", V},
    {"SCROLL_V", "垂直スクロールボックスの位置", V},
    {"\"FILE_NAME\"", "起動または最後に開いたファイル名（フルパス）", V},
    {"KEY", "直前に押されたキーコード", V},
    {"ASC", "直前に押されたアスキーコード", V},
    {"PI", "円周率", V},
    {"YEAR", "現在の年", V},
    {"MONTH", "現在の月", V},
    {"DAY", "現在の日", V},
    {"HOUR", "現在の時間", V},
    {"MIN", "現在の分", V},
    {"SEC", "現在の秒", V},
};

template <int N>
constexpr CatalogCategory Category(const char* name, const CatalogEntry (&entries)[N]) {
  return CatalogCategory{name, entries, N};
}

const CatalogCategory kCategories[kCategoryCount] = {
    Category("グラフィック", kGraphics),
    Category("３Ｄグラフィック", k3DGraphics),
    Category("文字列表示", kText),
    Category("ファイル処理", kFiles),
    Category("ウィンドウ、メニュー", kWindow),
    Category("コントロール(共通)", kControls),
    Category("コントロール(ボタン)", kButtons),
    Category("コントロール(エディット)", kEdits),
    Category("コントロール(リスト)", kLists),
    Category("コントロール(スクロール)", kScrolls),
    Category("サウンド", kSounds),
    Category("その他のコマンド、関数", kOthers),
    Category("制御文", kStatements),
    Category("予約サブルーチン", kSections),
    Category("予約変数", kVariables),
};

bool IsNameByte(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

const CatalogCategory& CategoryAt(int category) {
  ZEP_ASSERT(category >= 0 && category < kCategoryCount, "no such category");
  return kCategories[category];
}

const CatalogEntry* EntryAt(int category, int index) {
  if (category < 0 || category >= kCategoryCount) return nullptr;
  const CatalogCategory& c = kCategories[category];
  return index >= 0 && index < c.count ? &c.entries[index] : nullptr;
}

std::string EntryName(const char* text) {
  const char* p = text[0] == '"' ? text + 1 : text;
  std::string name;
  while (IsNameByte(*p)) name += *p++;
  return name;
}

}  // namespace zep
