#include "assist/reference_notes.h"

#include <cstring>

namespace zep {

namespace {

// Argument lines shared by many rows.
#define CORNERS "XL,YT：左上の座標\nXR,YB：右下の座標（この点は含まない）\n"
#define FRAME "XL,YT,XR,YB：図形が内側に接する長方形（右下の点は含まない）\n"
#define OUTLINE "OC：枠の色（パレット番号 -15～15、負の数は点線）\n"
#define INSIDE "IC：内側の色（パレット番号 15まで、負の数なら塗らない）"
#define LINE_COLOUR "C：線の色（パレット番号 -15～15、負の数は点線）"
#define PLAIN_COLOUR "C：色（パレット番号 0～15）"
#define ANGLES "ST,SP：始まりと終わりの角度（度、12時の方向から時計回り）\n"
#define SCREEN_TEXT "X,Y：最初の文字の左上の座標\nR：文字列の傾き（度、反時計回り）\n" \
                    "W,H：文字の幅と高さ（ドット、W が 0 なら高さに合わせる）\nC：文字の色（パレット番号 0～15）\n"
#define FILE_ARG "\"FileName\"：ファイル名（\"FILE_NAME\" や１行エディットのＩＤも使える）"
#define EDIT "\"ID_edit\"：エディットのＩＤ"
#define ONE_LINE_EDIT "\"ID_edit\"：１行エディット（種類 101）のＩＤ"
#define LIST "\"ID_list\"：リストボックスかコンボボックスのＩＤ"
#define BUTTON "\"ID_button\"：ボタンのＩＤ"
#define BMP_BUTTON "\"ID_button\"：ＢＭＰボタン（種類 1）のＩＤ\n"
#define SCROLL "\"ID_scroll\"：スクロールバーのＩＤ"
#define PACK "pack_n：パック番号（0～255、Create3DPack で準備したもの）"
#define WAVE_BUF "\"buf_name\"：WaveBuf で準備したＷＡＶＥバッファの名前"
#define SOUND_ID "ID：登録した番号（0～31）"
#define PLAY_FLAG "flag：-1 終わるまで待つ、0 １回だけ、1 くり返す"
#define DIALOG_VALUE "（値）：1 選んだ、0 取り消した、-1 失敗（ANSWER にも入る）"
#define NO_ARGUMENTS "（引数なし）：かっこも付けずに書く"

const ReferenceNote kNotes[] = {
    // Drawing primitives and colours.
    {"Box", nullptr, nullptr, CORNERS OUTLINE INSIDE, {1, 8, 23}},
    {"RBox", nullptr, nullptr, CORNERS "RX,RY：角を丸める楕円の幅と高さ\n" OUTLINE INSIDE, {1, 8, 23}},
    {"FBox", nullptr, nullptr, "X1,Y1,X2,Y2,X3,Y3,X4,Y4：４つの頂点（この順に結ぶ）\n" OUTLINE INSIDE, {1, 8, 23}},
    {"FullPaint", nullptr, nullptr,
     "C：ウィンドウ全体の枠と内側の色（パレット番号 -15～15、負の数なら点線の枠だけ）", {1, 23}},
    {"Triangle", nullptr, nullptr, "X1,Y1,X2,Y2,X3,Y3：３つの頂点\n" OUTLINE INSIDE, {1, 8, 23}},
    {"Circle", nullptr, nullptr, FRAME OUTLINE INSIDE, {1, 8, 23}},
    {"Line", nullptr, nullptr, "X1,Y1：始点\nX2,Y2：終点（この点は描かない）\n" LINE_COLOUR, {1, 8, 23}},
    {"Point", nullptr, nullptr, "X,Y：点の座標\n" PLAIN_COLOUR, {1, 8, 23}},
    {"Pie", nullptr, nullptr, FRAME ANGLES OUTLINE INSIDE, {1, 8, 23}},
    {"Arc", nullptr, nullptr, FRAME ANGLES LINE_COLOUR, {1, 8, 23}},
    {"Chord", nullptr, nullptr, FRAME ANGLES OUTLINE INSIDE, {1, 8, 23}},
    {"SetPal", nullptr, nullptr, "n：パレット番号（0～15）\nR,G,B：赤、緑、青の度合い（0～255）", {1, 8, 23}},
    {"GetPixelR", nullptr, nullptr, "X,Y：点の座標\n（値）：赤の度合い 0～255（ANSWER にも入る）", {8, 23}},
    {"GetPixelG", nullptr, nullptr, "X,Y：点の座標\n（値）：緑の度合い 0～255（ANSWER にも入る）", {8, 23}},
    {"GetPixelB", nullptr, nullptr, "X,Y：点の座標\n（値）：青の度合い 0～255（ANSWER にも入る）", {8, 23}},
    // Screens and bitmap copies.
    {"SubScreen", nullptr, nullptr, "wide,height：裏画面の幅と高さ（ドット）", {8, 23}},
    {"SelectScreen", nullptr, nullptr, "n：1 表画面（ウィンドウ）、0 裏画面", {14, 16, 23}},
    {"CopyBMP", nullptr, nullptr,
     "Scr：コピー元の画面（0 裏画面、それ以外 表画面）\nX1,Y1,W1,H1：コピー元の位置と大きさ\n"
     "Scr：コピー先の画面\nX2,Y2,W2,H2：コピー先の位置と大きさ（大きさが違えば拡大・縮小、負の幅や高さは左右・上下の反転）\n"
     "mode：0 そのまま、1 色の反転、2 OR、3 AND、4 XOR",
     {8, 14, 23}},
    {"ShiftBMPColor", nullptr, nullptr,
     "Scr：コピー元の画面（0 裏画面、それ以外 表画面）\nX1,Y1,W,H：コピー元の位置と大きさ\n"
     "Scr：コピー先の画面\nX2,Y2：コピー先の位置\nPercent：色の度合いにかける割合（%、100 でそのまま）",
     {8, 14, 20, 23}},
    {"ClipBMP", nullptr, nullptr, "XL,YT：左上の座標\nW,H：幅と高さ", {8, 23}},
    // Picture files.
    {"LoadBMP", nullptr, nullptr, "X,Y：左上の座標\n\"Name.BMP\"：ＢＭＰファイル名（\"FILE_NAME\" も使える）",
     {8, 9, 15, 17, 23}},
    {"LoadBMPDlg", nullptr, nullptr, "X,Y：左上の座標\n" DIALOG_VALUE, {8, 15, 17, 23}},
    {"SaveBMP", nullptr, nullptr, "X,Y,W,H：保存する範囲\n\"Name.BMP\"：ＢＭＰファイル名", {8, 9, 15, 17, 23}},
    {"SaveBMPDlg", nullptr, nullptr, "X,Y,W,H：保存する範囲\n" DIALOG_VALUE, {8, 15, 17, 23}},
    {"LoadGrpFile", nullptr, nullptr, "X,Y：左上の座標\n" FILE_ARG, {8, 9, 15, 17, 23}},
    // 3D packs.
    {"Create3DPack", nullptr, nullptr, "pack_n：パック番号（0～255）\nsize：入れられる三角形の数（1024 まで）",
     {8, 16, 23, 40, 41, 43}},
    {"Set3DCenter", nullptr, nullptr, "x,y：奥行き 0 の原点が映る画面上の点（消失点）\ndeep：視点までの距離", {8, 23}},
    {"Add3DPack", nullptr, nullptr,
     PACK "\nx1,y1,z1,x2,y2,z2,x3,y3,z3：三角形の頂点（画面で時計回りに見える面だけが描かれる）\nr,g,b：色（0～255）",
     {1, 8, 23, 40, 42}},
    {"Clear3DPack", nullptr, nullptr, PACK, {23, 40}},
    {"Draw3DPack", nullptr, nullptr, PACK, {23, 40}},
    {"Set3DLocalRotateX", nullptr, nullptr, PACK "\nr：回す角度（度）", {8, 23, 40}},
    {"Set3DLocalRotateY", nullptr, nullptr, PACK "\nr：回す角度（度）", {8, 23, 40}},
    {"Set3DLocalRotateZ", nullptr, nullptr, PACK "\nr：回す角度（度）", {8, 23, 40}},
    {"Set3DLocalPosX", nullptr, nullptr, PACK "\nmove：動かす量", {8, 23, 40}},
    {"Set3DLocalPosY", nullptr, nullptr, PACK "\nmove：動かす量", {8, 23, 40}},
    {"Set3DLocalPosZ", nullptr, nullptr, PACK "\nmove：動かす量", {8, 23, 40}},
    {"Set3DWorldPosX", nullptr, nullptr, PACK "\nmove：動かす量", {8, 23, 40}},
    {"Set3DWorldPosY", nullptr, nullptr, PACK "\nmove：動かす量", {8, 23, 40}},
    {"Set3DWorldPosZ", nullptr, nullptr, PACK "\nmove：動かす量", {8, 23, 40}},
    {"Reset3DRotate", nullptr, nullptr, PACK, {23, 40}},
    {"Reset3DPos", nullptr, nullptr, PACK, {23, 40}},
    {"Save3DPack", nullptr, nullptr, PACK "\n（ファイル）：OpenFileWrite などで開いておく", {5, 15, 23, 40}},
    {"Load3DPack", nullptr, nullptr, PACK "\n（ファイル）：OpenFileRead などで開いておく", {5, 23, 40, 42}},
    // Text output.
    {"Print", nullptr, nullptr, SCREEN_TEXT "\"text\"：表示する文字列（\"FILE_NAME\" や１行エディットのＩＤも使える）",
     {1, 8, 9, 23}},
    {"PrintCode", nullptr, nullptr, SCREEN_TEXT "AsciiCode：文字コード（下位８ビットを使う）", {1, 8, 23}},
    {"PrintKJCode", nullptr, nullptr, SCREEN_TEXT "Code1,Code2：２バイト文字の１バイト目と２バイト目", {1, 8, 23}},
    {"PrintData", nullptr, nullptr, SCREEN_TEXT "n：小数点以下の桁数\ndata：表示する数値", {1, 8, 23}},
    {"SetFont", nullptr, nullptr,
     "\"FontName\"：フォント名\nSwitch：0 標準、1 斜体、2 太字、3 斜体で太字", {8, 9, 16, 23}},
    {"AscType", nullptr, nullptr,
     "AsciiCode：調べる文字コード\n（値）：1 表示できる１バイト文字（32～127、160～223）、0 その他（２バイト文字の１バイト目など）",
     {23}},
    // Script dialogs and message boxes.
    {"MessBox", nullptr, nullptr,
     "\"message\"：メッセージ\n\"title\"：タイトル\n"
     "btn：ボタン（2 OK とキャンセル、3 はいといいえ、4 はいといいえとキャンセル、その他 OK）\n"
     "icon：アイコン（1 注意、2 情報、3 問い合わせ、4 停止、その他 なし）\n"
     "（値）：OK とはい 1、いいえ 0、キャンセル -1",
     {8, 9, 23}},
    {"DlgBox", nullptr, nullptr,
     "\"ID_str\"：ダイアログの名前。ID_strCREATE で大きさやコントロールを決め、ID_strINIT、ID_strCLOSE などがそのイベントで実行される\n"
     "（エラー）：ID_strCREATE の中のエラーもここで起きる",
     {1, 6, 9, 21, 23, 25}},
    // Data files.
    {"OpenFileRead", nullptr, nullptr, FILE_ARG, {9, 15, 17, 23}},
    {"OpenFileWrite", nullptr, nullptr, FILE_ARG "。あるファイルは中身が消える", {9, 15, 17, 23}},
    {"OpenFileReadDlg", nullptr, nullptr, "\"DlgTitle\"：ダイアログのタイトル\n" DIALOG_VALUE, {9, 15, 17, 23}},
    {"OpenFileWriteDlg", nullptr, nullptr, "\"DlgTitle\"：ダイアログのタイトル\n" DIALOG_VALUE, {9, 15, 17, 23}},
    {"CloseFile", nullptr, nullptr, NO_ARGUMENTS, {5, 15, 23}},
    {"FileNameDlgR", nullptr, nullptr,
     "\"DlgTitle\"：ダイアログのタイトル\n\"list\"：ファイルの種類の一覧（説明\\パターン\\説明\\パターン…）\n"
     "type：種類を数字で選ぶ（1 全て、2 テキスト、3 ビットマップ、4 アイコン、5 JPEG、6 GIF、12 なら全てとテキスト）。0 以下なら list を使う\n"
     "（値）：1 選んだ（名前は \"FILE_NAME\" に入る）、0 取り消した（ANSWER にも入る）",
     {8, 9, 16, 17, 23}},
    {"FileNameDlgW", nullptr, nullptr,
     "\"DlgTitle\"：ダイアログのタイトル\n\"list\"：ファイルの種類の一覧（説明\\パターン\\説明\\パターン…）\n"
     "type：種類を数字で選ぶ（1 全て、2 テキスト、3 ビットマップ、4 アイコン、5 JPEG、6 GIF、12 なら全てとテキスト）。0 以下なら list を使う\n"
     "（値）：1 選んだ（名前は \"FILE_NAME\" に入る）、0 取り消した（ANSWER にも入る）",
     {8, 9, 16, 17, 23}},
    {"ReadFile", nullptr, nullptr, "pos：ファイルの先頭からの位置（バイト）\n（値）：0～255、ファイルの終わりより後では -1",
     {5, 23}},
    {"WriteFile", nullptr, nullptr, "pos：ファイルの先頭からの位置（バイト）\ndata：書き込む値（下位８ビット）", {5, 8, 15, 23}},
    {"GetFileLength", nullptr, nullptr, FILE_ARG "\n（値）：ファイルのバイト数、無い時は -1", {9, 23}},
    {"GetFileName", nullptr, nullptr, ONE_LINE_EDIT "（カーソルの位置に書き込む）\n" FILE_ARG, {8, 9, 23, 24, 26}},
    {"GetFilePath", nullptr, nullptr, ONE_LINE_EDIT "（カーソルの位置に書き込む）\n" FILE_ARG, {8, 9, 23, 24, 26}},
    {"ReadFileToEdit", nullptr, nullptr, EDIT "\n（ファイル）：OpenFileRead などで開いておく", {5, 9, 20, 23, 24, 26}},
    {"WriteFileFromEdit", nullptr, nullptr, EDIT "\n（ファイル）：OpenFileWrite などで開いておく", {5, 9, 15, 23, 24, 26}},
    // The window.
    {"SetWinStyle", nullptr, nullptr,
     "type：0 可変サイズでタイトルあり、1 可変サイズでタイトルなし、2 固定サイズでタイトルあり、"
     "3 固定サイズでタイトルなし（境界枠あり）、4 固定サイズでタイトルなし（境界枠なし）",
     {23}},
    {"SetWinStyleOption", nullptr, nullptr,
     "type：1 角の丸いウィンドウ、2 楕円形のウィンドウ、その他 四角いウィンドウ\nopt1,opt2：角を丸める楕円の幅と高さ",
     {8, 23}},
    {"SetWinColor", nullptr, nullptr,
     "C：背景の色（-1 塗らない、0 黒、7 白、14 灰色、15 明るい灰色、16 ボタンの色、その他 白）", {1, 23}},
    {"SetScrollBar", nullptr, nullptr,
     "H_Size,V_Size：水平と垂直のスクロールバーの範囲（0 以下なら付けない）。位置は SCROLL_H、SCROLL_V", {8, 23}},
    {"SetWinSize", nullptr, nullptr, "Wide,Height：クライアントエリアの幅と高さ", {8, 23}},
    {"SetWinPos", nullptr, nullptr, "XL,YT：ウィンドウの左上の位置\nZ：1 なら常に手前に表示", {8, 23}},
    {"SetCaption", nullptr, nullptr, "\"caption\"：タイトルの文字列", {9, 23}},
    {"SetTimer", nullptr, nullptr, "t：TIMER を実行する間隔（ミリ秒、1 以上）", {21, 23}},
    // Menus.
    {"Menu", nullptr, nullptr, "\"MenuName\"：メニューの名前（32 バイトまで、& の次の文字がキー）", {3, 9, 23, 44}},
    {"PopupMenu", "PopupMenu(\"PopupName\") ;", "メニューに項目を加える（CREATE内）",
     "\"PopupName\"：項目の名前（32 バイトまで、\"---\" は区切り線）。選ぶと同じ名前のサブルーチンが実行される",
     {3, 9, 23, 44}},
    {"PopupMenuEX", nullptr, nullptr,
     "\"PopupName\"：項目の名前（32 バイトまで、\"---\" は区切り線）\n\"ID_menu\"：選んだ時に実行するサブルーチンの名前",
     {3, 8, 9, 23, 44}},
    {"SetMenuStyle", nullptr, nullptr,
     "\"PopupMenuName\"：項目のサブルーチンの名前\ncheck：1 チェックを付ける、その他 外す\ncolor：1 灰色にして選べなくする、その他 戻す",
     {8, 9, 23, 44}},
    // Controls.
    {"CreateControl", nullptr, nullptr,
     "type：種類（0 ボタン、1 ＢＭＰボタン、10 ラジオボタン、20 チェックボタン、30～33 コンボボックス、"
     "40・41 リストボックス、50～52 グループボックス、60 スタティック、70・71 スクロールバー、100・101 エディット）\n"
     "\"str\"：表示する文字列（ＢＭＰボタンではヒント）\n"
     "\"ID_control\"：ＩＤ。操作されると同じ名前のサブルーチンが実行される\nx,y,w,h：位置と大きさ",
     {8, 9, 23, 25}},
    {"SetControlSize", nullptr, nullptr, "\"ID_control\"：コントロールのＩＤ\nx,y,w,h：新しい位置と大きさ", {8, 9, 23, 24}},
    {"SetControlFont", nullptr, nullptr,
     "\"ID_control\"：コントロールのＩＤ\n\"font_name\"：フォント名\nw,h：文字の幅と高さ\nsw：0 標準、1 斜体、2 太字、3 斜体で太字",
     {8, 9, 23, 24}},
    {"SetControlFocus", nullptr, nullptr, "\"ID_control\"：コントロールのＩＤ", {9, 23, 24}},
    {"KillControlFocus", nullptr, nullptr, NO_ARGUMENTS, {23}},
    // Buttons.
    {"SetButtonText", nullptr, nullptr, BUTTON "\n\"text\"：表示する文字列（ＢＭＰボタンではヒント）", {8, 9, 23, 24, 26}},
    {"SetButtonCheck", nullptr, nullptr, "\"ID_button\"：ラジオボタンかチェックボタンのＩＤ\nsw：1 チェックを付ける、0 外す",
     {8, 9, 23, 24, 26}},
    {"GetButtonCheck", nullptr, nullptr, "\"ID_button\"：ラジオボタンかチェックボタンのＩＤ\n（値）：1 チェックあり、0 なし",
     {9, 23, 24, 26}},
    {"SetButtonGrpFile", nullptr, nullptr, BMP_BUTTON "\"FileName\"：画像ファイル名（BMP、JPEG、GIF、アイコン）",
     {8, 9, 15, 23, 24, 26}},
    {"SetButtonGrp", nullptr, nullptr, BMP_BUTTON "type：標準の絵の番号（1～20）", {8, 9, 23, 24, 26}},
    {"BmpBtBox", nullptr, nullptr, BMP_BUTTON CORNERS OUTLINE INSIDE, {1, 8, 9, 23, 24, 26}},
    {"BmpBtCircle", nullptr, nullptr, BMP_BUTTON FRAME OUTLINE INSIDE, {1, 8, 9, 23, 24, 26}},
    {"BmpBtLine", nullptr, nullptr, BMP_BUTTON "X1,Y1：始点\nX2,Y2：終点（この点は描かない）\n" LINE_COLOUR,
     {1, 8, 9, 23, 24, 26}},
    {"BmpBtPoint", nullptr, nullptr, BMP_BUTTON "X,Y：点の座標\n" PLAIN_COLOUR, {1, 8, 9, 23, 24, 26}},
    // Edit fields.
    {"SetEditText", nullptr, nullptr, EDIT "\n\"text\"：カーソルの位置に書き込む文字列", {8, 9, 23, 24, 26}},
    {"SetEditCode", nullptr, nullptr, EDIT "\ndata：書き込む文字コード（下位８ビット）", {8, 9, 23, 24, 26}},
    {"SetEditCodeRet", nullptr, nullptr, EDIT, {9, 23, 24, 26}},
    {"SetEditData", nullptr, nullptr, EDIT "\ndata：書き込む数値\nn：小数点以下の桁数", {8, 9, 23, 24, 26}},
    {"SetEditData16", nullptr, nullptr, EDIT "\ndata：書き込む数値（16 進数、負の数は８けた）", {8, 9, 23, 24, 26}},
    {"SetEditCursol", nullptr, nullptr,
     EDIT "\nst,sp：選択範囲の始めと終わり（バイト）。st が負なら全体を選んでから。-1,-1 で最後にカーソル", {8, 9, 23, 24, 26}},
    {"SetEditNoChange", nullptr, nullptr, EDIT, {9, 23, 24, 26}},
    {"GetEditChange", nullptr, nullptr, EDIT "\n（値）：1 変更された、0 されていない", {9, 23, 24, 26}},
    {"GetEditLength", nullptr, nullptr, EDIT "\n（値）：文字列の長さ（バイト）", {9, 23, 24, 26}},
    {"GetEditCursolStart", nullptr, nullptr, EDIT "\n（値）：選択範囲の始め（選択がなければカーソルの位置）", {9, 23, 24, 26}},
    {"GetEditCursolEnd", nullptr, nullptr, EDIT "\n（値）：選択範囲の終わり", {9, 23, 24, 26}},
    {"GetEditCode", nullptr, nullptr, EDIT "\nn：位置（バイト）\n（値）：-128～127（２バイト文字のバイトは負の数）",
     {8, 9, 16, 23, 24, 26}},
    {"GetEditData", nullptr, nullptr, ONE_LINE_EDIT "\n（値）：文字列を数値として読んだ値（数字で始まらなければ 0）", {9, 23, 24, 26}},
    {"GetEditText", nullptr, nullptr,
     "\"ID_editA\"：読むエディットのＩＤ\nst,sp：読む範囲の始めと終わり（バイト）\n\"ID_editB\"：カーソルの位置に書き込むエディットのＩＤ",
     {8, 9, 16, 23, 24, 26}},
    {"CompEditText", nullptr, nullptr, EDIT "\nn：比べ始める位置（バイト）\n\"str\"：比べる文字列\n（値）：1 一致、0 不一致",
     {8, 9, 23, 24, 26}},
    {"SearchEditText", nullptr, nullptr,
     EDIT "\nn：探し始める位置（バイト）\n\"str\"：探す文字列\n（値）：見つかった位置、無い時は -1", {8, 9, 23, 24, 26}},
    {"ClipEdit", nullptr, nullptr, EDIT "（エディットでなければ何もしない）", {9, 23, 24}},
    {"CutEdit", nullptr, nullptr, EDIT "（エディットでなければ何もしない）", {9, 23, 24}},
    {"PasteEdit", nullptr, nullptr, EDIT "（エディットでなければ何もしない）", {9, 23, 24}},
    {"ClearEdit", nullptr, nullptr, EDIT "（エディットでなければ何もしない）", {9, 23, 24}},
    {"AllSelectEdit", nullptr, nullptr, EDIT "（エディットでなければ何もしない）", {9, 23, 24}},
    {"UndoEdit", nullptr, nullptr, EDIT "（エディットでなければ何もしない）", {9, 23, 24}},
    {"AllClearEdit", nullptr, nullptr, EDIT "（エディットでなければ何もしない）", {9, 23, 24}},
    {"AllClipEdit", nullptr, nullptr, EDIT "（エディットでなければ何もしない）", {9, 23, 24}},
    // Lists, combo boxes and scroll bars.
    {"SetListText", nullptr, nullptr, LIST "\n\"text\"：加える項目", {8, 9, 23, 24, 26}},
    {"GetListPos", nullptr, nullptr, LIST "\n（値）：選ばれている項目の番号（0 から）、無い時は -1", {9, 23, 24, 26}},
    {"SetListPos", nullptr, nullptr, LIST "\nn：選ぶ項目の番号（0 から、-1 で選択なし）", {8, 9, 23, 24, 26}},
    {"GetListText", nullptr, nullptr, LIST "\n" ONE_LINE_EDIT "（カーソルの位置に書き込む）", {8, 9, 23, 24, 26}},
    {"ClearList", nullptr, nullptr, LIST, {9, 23, 24, 26}},
    {"GetComboText", nullptr, nullptr,
     "\"ID_combo\"：コンボボックスのＩＤ\n" ONE_LINE_EDIT "（カーソルの位置に書き込む）", {8, 9, 23, 24, 26}},
    {"SetScrollRange", nullptr, nullptr, SCROLL "\nrenge：範囲の最大値（0 から）", {8, 9, 23, 24, 26}},
    {"SetScrollPos", nullptr, nullptr, SCROLL "\npos：スクロールボックスの位置", {8, 9, 23, 24, 26}},
    {"GetScrollPos", nullptr, nullptr, SCROLL "\n（値）：スクロールボックスの位置", {9, 23, 24, 26}},
    // Sound files and wave buffers.
    {"EntryWaveFile", nullptr, nullptr, "ID：番号（0～31）\n\"file_name\"：ＷＡＶＥファイル名", {8, 9, 16, 23, 50, 52}},
    {"EntryMidiFile", nullptr, nullptr, "ID：番号（0～31）\n\"file_name\"：ＭＩＤＩファイル名", {8, 9, 16, 23, 50, 53}},
    {"PlaySound", nullptr, nullptr, SOUND_ID "\n" PLAY_FLAG, {8, 16, 23, 51}},
    {"PauseSound", nullptr, nullptr, SOUND_ID "。再生中なら一時停止、一時停止中なら再開", {16, 23, 51}},
    {"StopSound", nullptr, nullptr, SOUND_ID, {16, 23, 51}},
    {"Beep", nullptr, nullptr,
     "n：音の種類（0 標準、16 エラー、32 問い合わせ、48 注意、64 情報、-1 ビープ音）", {23}},
    {"WaveBuf", nullptr, nullptr,
     "\"buf_name\"：バッファの名前\nsize：サンプル数（1～65535、22050 で１秒。8 ビット、モノラル）", {8, 9, 23, 54, 55}},
    {"PlayWaveBuf", nullptr, nullptr, WAVE_BUF "（無い名前なら何もしない）\n" PLAY_FLAG, {8, 9, 16, 23}},
    {"StopWaveBuf", nullptr, nullptr, "（引数なし）：かっこの中は見ない", {0}},
    {"SetWaveBuf", nullptr, nullptr, WAVE_BUF "\npos：位置（0 から）\ndata：値（-128～127）", {8, 9, 16, 23, 56, 57}},
    {"GetWaveBuf", nullptr, nullptr, WAVE_BUF "\npos：位置（0 から）\n（値）：-128～127", {8, 9, 23, 56, 57}},
    {"SaveWaveBuf", nullptr, nullptr, WAVE_BUF "\n（ファイル）：OpenFileWrite などで開いておく", {5, 9, 15, 23, 56}},
    // Arrays, programs and help.
    {"Data", nullptr, nullptr,
     "\"name\"：配列変数の名前\nSizeY,SizeX：縦と横の大きさ（合わせて 65535 まで）。name(y,x) で読み書きする",
     {7, 8, 9, 11, 16, 20, 23, 28}},
    {"DataInit", nullptr, nullptr, "\"name\"：配列変数の名前\ndata：全ての要素に入れる値", {8, 9, 12, 23}},
    {"WinExec", nullptr, nullptr, "\"FileName\"：実行するコマンドライン（実行できない時は注意を出して続ける）", {9, 23}},
    {"WinHelp", nullptr, nullptr, "\"HelpFileName\"：開くヘルプファイル", {9, 23}},
    // Functions.
    {"sin", nullptr, nullptr, "x：角度（度）", {23}},
    {"cos", nullptr, nullptr, "x：角度（度）", {23}},
    {"tan", nullptr, nullptr, "x：角度（度）", {23}},
    {"asin", nullptr, nullptr, "x：-1～1\n（値）：角度（度）", {16, 23}},
    {"acos", nullptr, nullptr, "x：-1～1\n（値）：角度（度）", {16, 23}},
    {"atan", nullptr, nullptr, "x：数値\n（値）：角度（度）", {23}},
    {"sqrt", nullptr, nullptr, "data：0 以上の数値", {16, 23}},
    {"fix", nullptr, nullptr, "data：数値（小数点以下を切り捨てる）", {23}},
    {"abs", nullptr, nullptr, "data：数値", {23}},
    {"rand", nullptr, nullptr, "s：乱数の種（同じ s には同じ値）\n（値）：0～99", {23}},
    // Control statements.
    {"loop", nullptr, nullptr, "n：くり返す回数（0 以下なら実行しない）\n{ }：くり返す文", {19, 23}},
    {"call", nullptr, nullptr, "\"SubName\"：呼び出すサブルーチンの名前", {9, 18, 19, 23}},
    {"if", nullptr, nullptr, "a > b：比べる２つの式（== != >= <= > <）\n{ }：条件が成り立つ時に実行する文", {13, 19, 23}},
    {"return", nullptr, nullptr, NO_ARGUMENTS, {23}},
    {"end", nullptr, nullptr, NO_ARGUMENTS, {23}},
};

}  // namespace

const ReferenceNote* FindReferenceNote(const char* name) {
  for (const ReferenceNote& note : kNotes) {
    if (std::strcmp(note.name, name) == 0) return &note;
  }
  return nullptr;
}

int ReferenceNoteCount() { return static_cast<int>(sizeof kNotes / sizeof *kNotes); }

const ReferenceNote& ReferenceNoteAt(int i) { return kNotes[i]; }

}  // namespace zep
