#include "assist/reference_examples.h"

#include <cstring>

namespace zep {

namespace {

// The rows in the reference's order. Each script opens with what it shows,
// runs in a new folder as it is (a file it reads, it writes first; the MIDI
// song and the help file, which a script cannot write, it names in its
// header and looks for first), and keeps to a few lines a beginner can read
// at a glance.
const ReferenceExample kExamples[] = {
    // Graphics.
    {"Box", R"zep(// 四角を描きます。数を変えて、大きさや色を変えてみよう
PAINT {
  Box(20, 20, 140, 100, 0, 6) ;
  Box(160, 20, 220, 140, 2, -1) ;
}
)zep",
     "RBox Circle FullPaint SetPal"},
    {"RBox", R"zep(// 角の丸い四角を描きます。RX,RY を大きくすると、もっと丸くなります
PAINT {
  RBox(20, 20, 160, 100, 20, 20, 0, 11) ;
  RBox(180, 20, 260, 140, 60, 30, 1, 9) ;
}
)zep",
     "Box Circle FBox"},
    {"FBox", R"zep(// ４つの点を順に結んだ四角形（ここでは、ひし形）を描きます
PAINT {
  FBox(100, 10, 170, 80, 100, 150, 30, 80, 0, 5) ;
}
)zep",
     "Box Triangle Line"},
    {"FullPaint", R"zep(// クリックするたびに、ウィンドウ全体を次の色でぬります
INIT { c = 1 ; }
PAINT { FullPaint(c) ; }
LBUTTONDOWN {
  c = c + 1 ;
  if (c > 15) { c = 1 ; }
  FullPaint(c) ;
}
)zep",
     "Box SetWinColor SetPal"},
    {"Triangle", R"zep(// 三角形を描きます。３つの点の座標を変えてみよう
PAINT {
  Triangle(100, 20, 180, 140, 20, 140, 0, 2) ;
  Triangle(200, 20, 280, 20, 240, 90, 1, -1) ;
}
)zep",
     "FBox Line Box"},
    {"Circle", R"zep(// 円と楕円を描きます。外側の四角の大きさで形が決まります
PAINT {
  Circle(20, 20, 120, 120, 0, 6) ;
  Circle(140, 40, 260, 100, 1, -1) ;
}
)zep",
     "Box Pie Arc Chord"},
    {"Line", R"zep(// 直線を何本も引いて、扇のような模様を描きます
PAINT {
  i = 0 ;
  loop (10) {
    Line(10, 150, 10 + i * 25, 10, i % 6 + 1) ;
    i = i + 1 ;
  }
}
)zep",
     "Point Box Arc"},
    {"Point", R"zep(// 点を一つずつ打って、二本の点線を描きます
PAINT {
  i = 0 ;
  loop (50) {
    Point(20 + i * 4, 20, 1) ;
    Point(20 + i * 4, 60, 2) ;
    i = i + 1 ;
  }
}
)zep",
     "Line GetPixelR Circle"},
    {"ClipBMP", R"zep(// クリックすると、描いた絵をクリップボードへコピーします。ペイントに貼り付けてみよう
PAINT {
  Circle(10, 10, 110, 110, 0, 6) ;
  Print(10, 120, 0, 0, 16, 0, "クリックでコピー") ;
}
LBUTTONDOWN { ClipBMP(0, 0, 130, 140) ; }
)zep",
     "SaveBMP CopyBMP ClipEdit"},
    {"CopyBMP", R"zep(// 左に描いた絵を、右に２倍の大きさで写します（1 は表の画面）
PAINT {
  Circle(10, 10, 50, 50, 0, 6) ;
  Line(10, 30, 50, 30, 2) ;
  CopyBMP(1, 0, 0, 60, 60, 1, 80, 0, 120, 120, 0) ;
}
)zep",
     "SubScreen SelectScreen ShiftBMPColor"},
    {"ShiftBMPColor", R"zep(// 左の絵を、色の明るさを半分（50%）にして右へ写します
PAINT {
  Box(10, 10, 70, 70, 0, 6) ;
  Circle(20, 20, 60, 60, 0, 2) ;
  ShiftBMPColor(1, 0, 0, 80, 80, 1, 100, 0, 50) ;
}
)zep",
     "CopyBMP SetPal GetPixelR"},
    {"LoadBMP", R"zep(// 描いた絵を maru.bmp に保存し、それを読み込んで右に二つ並べます
PAINT {
  Circle(0, 0, 60, 60, 0, 6) ;
  SaveBMP(0, 0, 60, 60, "maru.bmp") ;
  LoadBMP(80, 0, "maru.bmp") ;
  LoadBMP(160, 0, "maru.bmp") ;
}
)zep",
     "SaveBMP LoadBMPDlg LoadGrpFile"},
    {"LoadBMPDlg", R"zep(// クリックするとファイルを選ぶダイアログが開き、選んだＢＭＰを表示します
PAINT { Print(10, 10, 0, 0, 16, 0, "クリックしてＢＭＰを選ぼう") ; }
LBUTTONDOWN {
  if (LoadBMPDlg(0, 40) == 0) { Print(10, 40, 0, 0, 16, 2, "取り消しました") ; }
}
)zep",
     "LoadBMP SaveBMPDlg LoadGrpFile"},
    {"SaveBMP", R"zep(// 描いた絵を zep.bmp というファイルに保存し、読み込んで右に出して確かめます
PAINT {
  Box(0, 0, 80, 60, 0, 5) ;
  Print(16, 20, 0, 0, 20, 0, "ZEP") ;
  SaveBMP(0, 0, 80, 60, "zep.bmp") ;
  LoadBMP(100, 0, "zep.bmp") ;
}
)zep",
     "LoadBMP SaveBMPDlg ClipBMP"},
    {"SaveBMPDlg", R"zep(// クリックすると保存のダイアログが開き、描いた絵をＢＭＰファイルに保存します
PAINT { Circle(10, 10, 110, 110, 0, 9) ; }
LBUTTONDOWN {
  if (SaveBMPDlg(0, 0, 120, 120) == 1) { Print(10, 130, 0, 0, 16, 0, "保存しました") ; }
}
)zep",
     "SaveBMP LoadBMPDlg FileNameDlgW"},
    {"LoadGrpFile", R"zep(// 画像ファイルを表示します。ここでは描いた絵を pic.bmp に保存して使います
// （ＪＰＥＧやＧＩＦのファイルも同じように表示できます）
PAINT {
  RBox(0, 0, 60, 60, 20, 20, 0, 11) ;
  SaveBMP(0, 0, 60, 60, "pic.bmp") ;
  LoadGrpFile(80, 0, "pic.bmp") ;
}
)zep",
     "LoadBMP SetButtonGrpFile SaveBMP"},
    {"SetPal", R"zep(// パレットの 15 番をオレンジ色に変えて、その色で四角をぬります
PAINT {
  SetPal(15, 255, 160, 0) ;
  Box(20, 20, 180, 120, 0, 15) ;
}
)zep",
     "FullPaint GetPixelR Box"},
    {"Pie", R"zep(// 扇形を描きます。角度は１２時の方向から時計回りに数えます
PAINT {
  Pie(20, 20, 140, 140, 0, 90, 0, 6) ;
  Pie(160, 20, 280, 140, 120, 60, 0, 2) ;
}
)zep",
     "Arc Chord Circle"},
    {"Arc", R"zep(// 円弧（円のふちの一部）を描きます
PAINT {
  Arc(20, 20, 140, 140, 0, 180, 1) ;
  Arc(60, 60, 100, 100, 90, 270, 2) ;
}
)zep",
     "Pie Chord Circle Line"},
    {"Chord", R"zep(// 円を弦で切った弓形を描きます
PAINT {
  Chord(20, 20, 140, 140, 270, 90, 0, 9) ;
}
)zep",
     "Pie Arc Circle"},
    {"GetPixelR", R"zep(// ぬった四角の点の、赤の度合い（0～255）を画面から読んで書きます
PAINT {
  SetPal(15, 200, 100, 50) ;
  Box(10, 10, 60, 60, 15, 15) ;
  PrintData(80, 20, 0, 0, 16, 2, 0, GetPixelR(30, 30)) ;
}
)zep",
     "GetPixelG GetPixelB SetPal Point"},
    {"GetPixelG", R"zep(// クリックした所の点の、緑の度合い（0～255）を読んで書きます
PAINT { Box(0, 0, 100, 100, 0, 4) ; }
LBUTTONDOWN {
  Box(120, 0, 200, 30, 7, 7) ;
  PrintData(120, 5, 0, 0, 16, 10, 0, GetPixelG(MOUSE_X, MOUSE_Y)) ;
}
)zep",
     "GetPixelR GetPixelB SetPal"},
    {"GetPixelB", R"zep(// 青の度合いを読んで、その値の長さの棒を描きます
PAINT {
  SetPal(15, 0, 0, 180) ;
  Box(10, 10, 40, 40, 15, 15) ;
  b = GetPixelB(20, 20) ;
  Box(10, 50, 10 + b, 60, 0, 1) ;
}
)zep",
     "GetPixelR GetPixelG SetPal"},
    {"SubScreen", R"zep(// 裏画面に描いてから表に写すと、ちらつかずに動きます
CREATE {
  SubScreen(200, 100) ;
  SetTimer(50) ;
}
INIT { x = 0 ; }
TIMER {
  x = (x + 4) % 200 ;
  SelectScreen(0) ;
  FullPaint(7) ;
  Circle(x, 30, x + 40, 70, 0, 2) ;
  SelectScreen(1) ;
  CopyBMP(0, 0, 0, 200, 100, 1, 0, 0, 200, 100, 0) ;
}
)zep",
     "SelectScreen CopyBMP TIMER"},
    {"SelectScreen", R"zep(// 裏画面（0）に描いておいた絵を、クリックすると表（1）に写します
CREATE { SubScreen(200, 120) ; }
INIT {
  SelectScreen(0) ;
  FullPaint(6) ;
  Circle(50, 10, 150, 110, 0, 2) ;
  SelectScreen(1) ;
}
LBUTTONDOWN { CopyBMP(0, 0, 0, 200, 120, 1, 0, 0, 200, 120, 0) ; }
)zep",
     "SubScreen CopyBMP FullPaint"},
    // 3D graphics.
    {"Create3DPack", R"zep(// ３Ｄパック 0 を三角形 10 枚分準備し、赤い三角形を１枚入れて描きます
CREATE {
  Create3DPack(0, 10) ;
  Set3DCenter(150, 100, 400) ;
  Add3DPack(0, -50, -50, 0, 50, -50, 0, 0, 50, 0, 255, 0, 0) ;
}
PAINT { Draw3DPack(0) ; }
)zep",
     "Add3DPack Draw3DPack Set3DCenter"},
    {"Set3DCenter", R"zep(// 消失点を (150, 100) にして、手前と奥の同じ大きさの三角形を描きます
// deep を小さくすると、奥の三角形がもっと小さく見えます
CREATE {
  Set3DCenter(150, 100, 300) ;
  Create3DPack(0, 2) ;
  Add3DPack(0, -40, -40, 0, 40, -40, 0, 0, 40, 0, 255, 0, 0) ;
  Add3DPack(0, 40, -40, 300, 120, -40, 300, 80, 40, 300, 0, 0, 255) ;
}
PAINT { Draw3DPack(0) ; }
)zep",
     "Create3DPack Draw3DPack Set3DWorldPosZ"},
    {"Add3DPack", R"zep(// 三角形２枚で四角い板を作って描きます。頂点は画面で時計回りに並べます
CREATE {
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 2) ;
  Add3DPack(0, -60, -40, 0, 60, -40, 0, 60, 40, 0, 0, 160, 255) ;
  Add3DPack(0, -60, -40, 0, 60, 40, 0, -60, 40, 0, 0, 160, 255) ;
}
PAINT { Draw3DPack(0) ; }
)zep",
     "Create3DPack Draw3DPack Clear3DPack"},
    {"Clear3DPack", R"zep(// クリックするたびにパックを空にして、右へずらした三角形を入れ直します
CREATE {
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
}
INIT { x = -100 ; }
LBUTTONDOWN {
  Clear3DPack(0) ;
  Add3DPack(0, x, -30, 0, x + 60, -30, 0, x + 30, 30, 0, 255, 128, 0) ;
  FullPaint(7) ;
  Draw3DPack(0) ;
  x = x + 40 ;
  if (x > 100) { x = -100 ; }
}
)zep",
     "Add3DPack Create3DPack Reset3DPos"},
    {"Draw3DPack", R"zep(// ３Ｄパックを描きます。TIMER ごとに少し回して描き直すと、回って見えます
CREATE {
  SetTimer(50) ;
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -50, -50, 0, 50, -50, 0, 0, 50, 0, 0, 200, 0) ;
}
TIMER {
  Set3DLocalRotateZ(0, 5) ;
  FullPaint(7) ;
  Draw3DPack(0) ;
}
)zep",
     "Create3DPack Set3DLocalRotateZ SubScreen"},
    {"Set3DLocalRotateX", R"zep(// クリックするたびに、三角形を自分のＸ軸（横の軸）のまわりに 20 度ずつ倒します
// 裏を向いた三角形は描かれないので、しばらく見えなくなります
CREATE {
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -50, -50, 0, 50, -50, 0, 0, 50, 0, 255, 0, 0) ;
}
PAINT { Draw3DPack(0) ; }
LBUTTONDOWN { Set3DLocalRotateX(0, 20) ; FullPaint(7) ; Draw3DPack(0) ; }
)zep",
     "Set3DLocalRotateY Set3DLocalRotateZ Reset3DRotate"},
    {"Set3DLocalRotateY", R"zep(// 矢印キー（← →）で、三角形を自分のＹ軸（縦の軸）のまわりに回します
CREATE {
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -50, -50, 0, 50, -50, 0, 0, 50, 0, 0, 0, 255) ;
}
PAINT { Draw3DPack(0) ; }
KEYDOWN {
  if (KEY == 37) { Set3DLocalRotateY(0, 15) ; }
  if (KEY == 39) { Set3DLocalRotateY(0, -15) ; }
  FullPaint(7) ;
  Draw3DPack(0) ;
}
)zep",
     "Set3DLocalRotateX Set3DLocalRotateZ KEYDOWN"},
    {"Set3DLocalRotateZ", R"zep(// TIMER ごとに、三角形を自分のＺ軸（奥へ向かう軸）のまわりに 10 度ずつ回します
CREATE {
  SetTimer(100) ;
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -50, -50, 0, 50, -50, 0, 0, 50, 0, 255, 160, 0) ;
}
TIMER {
  Set3DLocalRotateZ(0, 10) ;
  FullPaint(7) ;
  Draw3DPack(0) ;
}
)zep",
     "Set3DLocalRotateX Set3DLocalRotateY Draw3DPack"},
    {"Set3DLocalPosX", R"zep(// 矢印キー（← →）で、三角形を自分のＸ軸の向きに動かします
CREATE {
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -30, -30, 0, 30, -30, 0, 0, 30, 0, 255, 0, 0) ;
}
PAINT { Draw3DPack(0) ; }
KEYDOWN {
  if (KEY == 37) { Set3DLocalPosX(0, -10) ; }
  if (KEY == 39) { Set3DLocalPosX(0, 10) ; }
  FullPaint(7) ;
  Draw3DPack(0) ;
}
)zep",
     "Set3DLocalPosY Set3DWorldPosX Reset3DPos"},
    {"Set3DLocalPosY", R"zep(// 矢印キー（↑ ↓）で、三角形を自分のＹ軸の向きに動かします
CREATE {
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -30, -30, 0, 30, -30, 0, 0, 30, 0, 0, 160, 0) ;
}
PAINT { Draw3DPack(0) ; }
KEYDOWN {
  if (KEY == 38) { Set3DLocalPosY(0, -10) ; }
  if (KEY == 40) { Set3DLocalPosY(0, 10) ; }
  FullPaint(7) ;
  Draw3DPack(0) ;
}
)zep",
     "Set3DLocalPosX Set3DLocalPosZ Set3DWorldPosY"},
    {"Set3DLocalPosZ", R"zep(// クリックするたびに、三角形を自分のＺ軸の向き（奥）へ動かします。遠いほど小さく見えます
CREATE {
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -50, -50, 0, 50, -50, 0, 0, 50, 0, 0, 0, 255) ;
}
PAINT { Draw3DPack(0) ; }
LBUTTONDOWN { Set3DLocalPosZ(0, 50) ; FullPaint(7) ; Draw3DPack(0) ; }
RBUTTONDOWN { Reset3DPos(0) ; FullPaint(7) ; Draw3DPack(0) ; }
)zep",
     "Set3DWorldPosZ Set3DCenter Reset3DPos"},
    {"Set3DWorldPosX", R"zep(// 回した三角形を、空間のＸ軸の向き（画面の右）へ TIMER ごとに動かします
// 自分の向きが変わっていても、まっすぐ右へ進みます
CREATE {
  SetTimer(100) ;
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -30, -30, 0, 30, -30, 0, 0, 30, 0, 255, 0, 0) ;
  Set3DLocalRotateZ(0, 45) ;
  Set3DWorldPosX(0, -120) ;
}
TIMER { Set3DWorldPosX(0, 4) ; FullPaint(7) ; Draw3DPack(0) ; }
)zep",
     "Set3DLocalPosX Set3DWorldPosY Set3DWorldPosZ"},
    {"Set3DWorldPosY", R"zep(// クリックするたびに、三角形を空間のＹ軸の向き（画面の下）へ 20 ずつ動かします
CREATE {
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -30, -30, 0, 30, -30, 0, 0, 30, 0, 0, 160, 0) ;
  Set3DWorldPosY(0, -60) ;
}
PAINT { Draw3DPack(0) ; }
LBUTTONDOWN { Set3DWorldPosY(0, 20) ; FullPaint(7) ; Draw3DPack(0) ; }
)zep",
     "Set3DWorldPosX Set3DWorldPosZ Set3DLocalPosY"},
    {"Set3DWorldPosZ", R"zep(// TIMER ごとに、三角形を空間のＺ軸の向きに動かし、奥と手前を行ったり来たりさせます
CREATE {
  SetTimer(50) ;
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -50, -50, 0, 50, -50, 0, 0, 50, 0, 0, 0, 255) ;
}
INIT { t = 0 ; d = 20 ; }
TIMER {
  t = t + 1 ;
  if (t % 20 == 0) { d = 0 - d ; }
  Set3DWorldPosZ(0, d) ;
  FullPaint(7) ; Draw3DPack(0) ;
}
)zep",
     "Set3DLocalPosZ Set3DCenter Reset3DPos"},
    {"Reset3DRotate", R"zep(// TIMER ごとに回り、クリックすると Reset3DRotate ではじめの向きに戻ります
CREATE {
  SetTimer(100) ;
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -50, -50, 0, 50, -50, 0, 0, 50, 0, 255, 0, 255) ;
}
TIMER { Set3DLocalRotateZ(0, 10) ; FullPaint(7) ; Draw3DPack(0) ; }
LBUTTONDOWN { Reset3DRotate(0) ; }
)zep",
     "Reset3DPos Set3DLocalRotateZ Clear3DPack"},
    {"Reset3DPos", R"zep(// 矢印キー（→）で右へ動き、クリックすると Reset3DPos ではじめの位置に戻ります
CREATE {
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Add3DPack(0, -30, -30, 0, 30, -30, 0, 0, 30, 0, 0, 160, 255) ;
}
PAINT { Draw3DPack(0) ; }
KEYDOWN { if (KEY == 39) { Set3DWorldPosX(0, 20) ; } FullPaint(7) ; Draw3DPack(0) ; }
LBUTTONDOWN { Reset3DPos(0) ; FullPaint(7) ; Draw3DPack(0) ; }
)zep",
     "Reset3DRotate Set3DWorldPosX Clear3DPack"},
    {"Save3DPack", R"zep(// 三角形を入れたパックを tri.3d というファイルに保存し、その大きさを書きます
CREATE {
  Create3DPack(0, 1) ;
  Add3DPack(0, -50, -50, 0, 50, -50, 0, 0, 50, 0, 255, 0, 0) ;
}
INIT {
  OpenFileWrite("tri.3d") ;
  Save3DPack(0) ;
  CloseFile ;
}
PAINT { PrintData(10, 10, 0, 0, 16, 0, 0, GetFileLength("tri.3d")) ; }
)zep",
     "Load3DPack OpenFileWrite CloseFile"},
    {"Load3DPack", R"zep(// パック 0 を tri.3d に保存し、そのファイルをパック 1 に読み込んで描きます
CREATE {
  Set3DCenter(150, 100, 400) ;
  Create3DPack(0, 1) ;
  Create3DPack(1, 1) ;
  Add3DPack(0, -50, -50, 0, 50, -50, 0, 0, 50, 0, 0, 0, 255) ;
}
INIT {
  OpenFileWrite("tri.3d") ; Save3DPack(0) ; CloseFile ;
  OpenFileRead("tri.3d") ; Load3DPack(1) ; CloseFile ;
}
PAINT { Draw3DPack(1) ; }
)zep",
     "Save3DPack OpenFileRead Create3DPack"},
    // Text.
    {"Print", R"zep(// 文字を書きます。３つ目の数（傾き）を変えると、ななめの字になります
PAINT {
  Print(10, 10, 0, 0, 24, 1, "こんにちは") ;
  Print(10, 120, 30, 0, 20, 2, "ななめの字") ;
}
)zep",
     "PrintData SetFont PrintCode"},
    {"PrintCode", R"zep(// 文字コード 65～90 の字（Ａ～Ｚ）を、順に並べて書きます
PAINT {
  i = 0 ;
  loop (26) {
    PrintCode(10 + i * 12, 10, 0, 0, 16, 1, 65 + i) ;
    i = i + 1 ;
  }
}
)zep",
     "PrintKJCode Print AscType ASC"},
    {"PrintKJCode", R"zep(// ２バイトの文字コードで「あいうえお」を書きます（「あ」は 130,160）
PAINT {
  i = 0 ;
  loop (5) {
    PrintKJCode(10 + i * 24, 10, 0, 0, 24, 2, 130, 160 + i * 2) ;
    i = i + 1 ;
  }
}
)zep",
     "PrintCode Print"},
    {"PrintData", R"zep(// 数を書きます。７つ目の数で、小数点以下のけた数を決めます
PAINT {
  PrintData(10, 10, 0, 0, 20, 1, 0, 100 / 3) ;
  PrintData(10, 40, 0, 0, 20, 2, 2, 100 / 3) ;
  PrintData(10, 70, 0, 0, 20, 9, 5, PI) ;
}
)zep",
     "Print SetEditData fix"},
    {"AscType", R"zep(// 打った文字が１バイトの文字なら大きく書き、そうでなければ「？」を書きます
CHARDOWN {
  Box(0, 0, 100, 60, 7, 7) ;
  if (AscType(ASC) == 1) { PrintCode(20, 10, 0, 0, 40, 1, ASC) ; }
  if (AscType(ASC) == 0) { Print(20, 10, 0, 0, 40, 2, "？") ; }
}
)zep",
     "PrintCode CHARDOWN ASC"},
    {"SetFont", R"zep(// 書体と飾り（0 ふつう、1 ななめ、2 太字、3 ななめの太字）を変えて書きます
PAINT {
  SetFont("ＭＳ 明朝", 0) ;
  Print(10, 10, 0, 0, 24, 0, "明朝のふつう") ;
  SetFont("ＭＳ ゴシック", 3) ;
  Print(10, 50, 0, 0, 24, 2, "ゴシックのななめ太字") ;
}
)zep",
     "Print SetControlFont PrintData"},
    {"MessBox", R"zep(// クリックすると「はい」「いいえ」の箱を出し、押したボタンを書きます
LBUTTONDOWN {
  a = MessBox("ZEP は楽しいですか？", "しつもん", 3, 3) ;
  Box(0, 0, 200, 40, 7, 7) ;
  if (a == 1) { Print(10, 10, 0, 0, 16, 1, "はい") ; }
  if (a == 0) { Print(10, 10, 0, 0, 16, 2, "いいえ") ; }
}
)zep",
     "DlgBox Beep CLOSE"},
    // Files.
    {"OpenFileRead", R"zep(// kazu.dat に３つの数を書いてから、読み込み用に開いて読み、書き出します
INIT {
  OpenFileWrite("kazu.dat") ;
  WriteFile(0, 10) ; WriteFile(1, 20) ; WriteFile(2, 30) ;
  CloseFile ;
}
PAINT {
  OpenFileRead("kazu.dat") ;
  PrintData(10, 10, 0, 0, 16, 1, 0, ReadFile(0) + ReadFile(1) + ReadFile(2)) ;
  CloseFile ;
}
)zep",
     "OpenFileWrite ReadFile CloseFile GetFileLength"},
    {"OpenFileWrite", R"zep(// クリックした回数を count.dat に書いておくので、次に動かした時も続きから数えます
INIT {
  n = 0 ;
  if (GetFileLength("count.dat") == 1) { OpenFileRead("count.dat") ; n = ReadFile(0) ; CloseFile ; }
}
LBUTTONDOWN {
  n = (n + 1) % 256 ;
  OpenFileWrite("count.dat") ;
  WriteFile(0, n) ;
  CloseFile ;
  Box(0, 0, 100, 30, 7, 7) ;
  PrintData(10, 5, 0, 0, 20, 1, 0, n) ;
}
)zep",
     "WriteFile CloseFile OpenFileRead OpenFileWriteDlg"},
    {"OpenFileReadDlg", R"zep(// クリックしてファイルを選ぶと、そのはじめの１バイトの値を書きます
LBUTTONDOWN {
  if (OpenFileReadDlg("ファイルを開く") == 1) {
    Box(0, 0, 200, 30, 7, 7) ;
    PrintData(10, 5, 0, 0, 20, 1, 0, ReadFile(0)) ;
    CloseFile ;
  }
}
)zep",
     "OpenFileRead FileNameDlgR CloseFile"},
    {"OpenFileWriteDlg", R"zep(// クリックして名前を決めると、そのファイルに "ZEP" の３文字（90,69,80）を書きます
LBUTTONDOWN {
  if (OpenFileWriteDlg("保存する名前") == 1) {
    WriteFile(0, 90) ; WriteFile(1, 69) ; WriteFile(2, 80) ;
    CloseFile ;
  }
}
)zep",
     "OpenFileWrite FileNameDlgW WriteFile"},
    {"CloseFile", R"zep(// 開いたファイルは、使い終わったら CloseFile で閉じます。閉じると中身が書き込まれます
INIT {
  OpenFileWrite("memo.dat") ;
  WriteFile(0, 65) ;
  CloseFile ;
}
PAINT { PrintData(10, 10, 0, 0, 20, 1, 0, GetFileLength("memo.dat")) ; }
)zep",
     "OpenFileRead OpenFileWrite WriteFile"},
    {"FileNameDlgR", R"zep(// クリックしてファイルを選ぶと、その名前（"FILE_NAME"）をタイトルに出します
PAINT { Print(10, 10, 0, 0, 16, 0, "クリックしてファイルを選ぼう") ; }
LBUTTONDOWN {
  if (FileNameDlgR("ファイルを選ぶ", "", 12) == 1) { SetCaption("FILE_NAME") ; }
}
)zep",
     "FileNameDlgW FILE_NAME OpenFileRead"},
    {"FileNameDlgW", R"zep(// クリックして保存する名前を決めると、そのファイルに "OK" の２文字を書きます
LBUTTONDOWN {
  if (FileNameDlgW("保存する名前", "", 2) == 1) {
    OpenFileWrite("FILE_NAME") ;
    WriteFile(0, 79) ; WriteFile(1, 75) ;
    CloseFile ;
  }
}
)zep",
     "FileNameDlgR FILE_NAME OpenFileWrite"},
    {"ReadFile", R"zep(// ファイルを１バイトずつ読みます。終わりより後ろを読むと -1 になります
INIT {
  OpenFileWrite("abc.dat") ;
  WriteFile(0, 65) ; WriteFile(1, 66) ; WriteFile(2, 67) ;
  CloseFile ;
}
PAINT {
  OpenFileRead("abc.dat") ;
  i = 0 ;
  loop (4) { PrintData(10, 10 + i * 20, 0, 0, 16, 1, 0, ReadFile(i)) ; i = i + 1 ; }
  CloseFile ;
}
)zep",
     "WriteFile OpenFileRead GetFileLength"},
    {"WriteFile", R"zep(// 0～9 の二乗を nijo.dat に１バイトずつ書き、できたファイルの大きさを書きます
INIT {
  OpenFileWrite("nijo.dat") ;
  i = 0 ;
  loop (10) { WriteFile(i, i * i) ; i = i + 1 ; }
  CloseFile ;
}
PAINT { PrintData(10, 10, 0, 0, 20, 1, 0, GetFileLength("nijo.dat")) ; }
)zep",
     "ReadFile OpenFileWrite CloseFile"},
    {"ReadFileToEdit", R"zep(// 上のエディットの文を memo.txt に書き、それを下のエディットに読み込みます
CREATE {
  CreateControl(100, "", "ID_a", 10, 10, 200, 60) ;
  CreateControl(100, "", "ID_b", 10, 80, 200, 60) ;
}
INIT {
  SetEditText("ID_a", "ファイルから読みました") ;
  OpenFileWrite("memo.txt") ; WriteFileFromEdit("ID_a") ; CloseFile ;
  OpenFileRead("memo.txt") ; ReadFileToEdit("ID_b") ; CloseFile ;
}
)zep",
     "WriteFileFromEdit OpenFileRead OpenFileReadDlg"},
    {"WriteFileFromEdit", R"zep(// エディットに書いた文を、ウィンドウを閉じる時に memo.txt に保存します
CREATE { CreateControl(100, "", "ID_memo", 10, 10, 220, 100) ; }
INIT { SetEditText("ID_memo", "ここに書いた文が保存されます") ; }
CLOSE {
  OpenFileWrite("memo.txt") ;
  WriteFileFromEdit("ID_memo") ;
  CloseFile ;
  end ;
}
)zep",
     "ReadFileToEdit OpenFileWrite CLOSE"},
    {"GetFileLength", R"zep(// ファイルの大きさ（バイト数）を書きます。無いファイルは -1 になります
INIT {
  OpenFileWrite("five.dat") ;
  i = 0 ;
  loop (5) { WriteFile(i, 0) ; i = i + 1 ; }
  CloseFile ;
}
PAINT {
  PrintData(10, 10, 0, 0, 20, 1, 0, GetFileLength("five.dat")) ;
  PrintData(10, 40, 0, 0, 20, 2, 0, GetFileLength("nai.dat")) ;
}
)zep",
     "OpenFileRead ReadFile FILE_NAME"},
    {"GetFileName", R"zep(// パス付きのファイル名から、ファイル名だけを取り出して１行エディットに書きます
CREATE { CreateControl(101, "", "ID_name", 10, 10, 260, 24) ; }
INIT { GetFileName("ID_name", "C:\ZEP\examples\hello.zep") ; }
)zep",
     "GetFilePath FILE_NAME FileNameDlgR"},
    {"GetFilePath", R"zep(// パス付きのファイル名から、パス（フォルダ）だけを取り出して１行エディットに書きます
CREATE { CreateControl(101, "", "ID_path", 10, 10, 260, 24) ; }
INIT { GetFilePath("ID_path", "C:\ZEP\examples\hello.zep") ; }
)zep",
     "GetFileName FILE_NAME FileNameDlgR"},
    // The window and menus.
    {"SetWinStyle", R"zep(// ウィンドウを、大きさの変えられない形（2）にします。0～4 にかえて試してみよう
CREATE {
  SetWinStyle(2) ;
  SetWinSize(240, 120) ;
}
PAINT { Print(10, 10, 0, 0, 16, 0, "大きさを変えられません") ; }
)zep",
     "SetWinStyleOption SetWinSize SetCaption"},
    {"SetWinStyleOption", R"zep(// 角の丸いウィンドウにします。１つ目の数を 2 にすると楕円形になります
// タイトルの無いウィンドウなので、ダブルクリックで終わります
CREATE {
  SetWinStyle(4) ;
  SetWinStyleOption(1, 60, 60) ;
  SetWinSize(240, 160) ;
}
PAINT { FullPaint(11) ; Print(30, 70, 0, 0, 16, 0, "ダブルクリックで終わり") ; }
LBUTTONDBLCLK { end ; }
)zep",
     "SetWinStyle SetWinSize SetWinColor"},
    {"SetWinColor", R"zep(// ウィンドウの背景を黒（0）にして、白い字を書きます
CREATE { SetWinColor(0) ; }
PAINT { Print(10, 10, 0, 0, 20, 7, "黒い背景") ; }
)zep",
     "FullPaint SetWinStyle SetPal"},
    {"SetScrollBar", R"zep(// ウィンドウにスクロールバーを付け、つまみの位置（SCROLL_H、SCROLL_V）を書きます
CREATE { SetScrollBar(100, 50) ; }
PAINT { call("SHOW") ; }
HSCROLLBAR { call("SHOW") ; }
VSCROLLBAR { call("SHOW") ; }
SHOW {
  Box(0, 0, 120, 50, 7, 7) ;
  PrintData(10, 5, 0, 0, 16, 1, 0, SCROLL_H) ;
  PrintData(10, 25, 0, 0, 16, 2, 0, SCROLL_V) ;
}
)zep",
     "SCROLL_H SCROLL_V HSCROLLBAR VSCROLLBAR"},
    {"SetWinSize", R"zep(// ウィンドウの中の大きさを決めます。クリックするたびに横に広がります
CREATE { SetWinSize(200, 100) ; }
INIT { w = 200 ; }
LBUTTONDOWN {
  w = w + 40 ;
  if (w > 400) { w = 200 ; }
  SetWinSize(w, 100) ;
}
)zep",
     "SetWinPos WIN_X SIZE SetWinStyle"},
    {"SetWinPos", R"zep(// ウィンドウを画面の左上に、いつも手前に出るように置きます。クリックすると右上へ動きます
CREATE {
  SetWinSize(200, 80) ;
  SetWinPos(0, 0, 1) ;
}
LBUTTONDOWN { SetWinPos(SCR_X - 220, 0, 1) ; }
)zep",
     "SetWinSize WIN_L SCR_X MOVE"},
    {"SetCaption", R"zep(// ウィンドウのタイトルを決めます。クリックするとタイトルが変わります
CREATE { SetCaption("はじめのタイトル") ; }
LBUTTONDOWN { SetCaption("クリックしました") ; }
)zep",
     "SetWinSize MessBox FILE_NAME"},
    {"Menu", R"zep(// メニューバーに「色」のメニューを作り、えらんだ色でウィンドウをぬります
CREATE {
  Menu("色(&C)") ;
  PopupMenuEX("赤(&R)", "ID_red") ;
  PopupMenuEX("青(&B)", "ID_blue") ;
}
ID_red { FullPaint(2) ; }
ID_blue { FullPaint(1) ; }
)zep",
     "PopupMenuEX PopupMenu SetMenuStyle"},
    {"PopupMenuEX", R"zep(// メニューの項目を作ります。えらぶと、２つ目の名前のセクションが動きます
CREATE {
  Menu("ファイル(&F)") ;
  PopupMenuEX("あいさつ(&H)", "ID_hello") ;
  PopupMenu("---") ;
  PopupMenuEX("終了(&X)", "ID_end") ;
}
ID_hello { Print(10, 10, 0, 0, 20, 1, "こんにちは") ; }
ID_end { end ; }
)zep",
     "Menu PopupMenu SetMenuStyle"},
    {"SetMenuStyle", R"zep(// 「音を鳴らす」をえらぶたびにチェックを付け外しし、もう一つの項目は灰色にします
CREATE {
  Menu("設定(&S)") ;
  PopupMenuEX("音を鳴らす(&B)", "ID_sound") ;
  PopupMenuEX("まだ使えない項目", "ID_later") ;
}
INIT { sound = 0 ; SetMenuStyle("ID_later", 0, 1) ; }
ID_sound {
  sound = 1 - sound ;
  SetMenuStyle("ID_sound", sound, 0) ;
}
LBUTTONDOWN { if (sound == 1) { Beep(0) ; } }
)zep",
     "PopupMenuEX Menu SetButtonCheck"},
    {"DlgBox", R"zep(// クリックするとダイアログボックスを開きます。ID_dlgCREATE で大きさやボタンを決めます
LBUTTONDOWN { DlgBox("ID_dlg") ; }
ID_dlgCREATE {
  SetCaption("ダイアログ") ;
  SetWinSize(200, 80) ;
  CreateControl(0, "閉じる", "ID_dlg_ok", 60, 30, 80, 26) ;
}
ID_dlg_ok { end ; }
)zep",
     "MessBox CreateControl CREATE"},
    {"WinExec", R"zep(// クリックすると、メモ帳（notepad.exe）を起動します
PAINT { Print(10, 10, 0, 0, 16, 0, "クリックでメモ帳が開きます") ; }
LBUTTONDOWN { WinExec("notepad.exe") ; }
)zep",
     "WinHelp MessBox"},
    {"WinHelp", R"zep(// クリックすると、ヘルプファイル help.hlp を開きます
// help.hlp を、このスクリプトと同じフォルダに置いてから動かしてください
PAINT { Print(10, 10, 0, 0, 16, 0, "クリックでヘルプが開きます") ; }
LBUTTONDOWN {
  if (GetFileLength("help.hlp") > 0) { WinHelp("help.hlp") ; }
}
)zep",
     "WinExec MessBox GetFileLength"},
    // Controls.
    {"CreateControl", R"zep(// １行エディットとボタンを作ります。ボタンを押すと、同じ名前のセクションが動きます
CREATE {
  CreateControl(101, "ZEP", "ID_name", 10, 10, 150, 24) ;
  CreateControl(0, "あいさつ", "ID_hello", 170, 10, 80, 24) ;
}
ID_hello {
  Box(10, 50, 260, 80, 7, 7) ;
  Print(10, 50, 0, 0, 20, 1, "ID_name") ;
}
)zep",
     "SetControlSize SetButtonText SetEditText DlgBox"},
    {"SetControlSize", R"zep(// クリックするたびに、ボタンを右へ動かして大きくします
CREATE { CreateControl(0, "ボタン", "ID_bt", 10, 10, 60, 24) ; }
INIT { x = 10 ; w = 60 ; }
LBUTTONDOWN {
  x = x + 20 ; w = w + 10 ;
  if (x > 200) { x = 10 ; w = 60 ; }
  SetControlSize("ID_bt", x, 10, w, 24) ;
}
)zep",
     "CreateControl SetControlFont SIZE"},
    {"SetControlFont", R"zep(// エディットとボタンの字を、大きな字や太字にします
CREATE {
  CreateControl(101, "大きな字", "ID_in", 10, 10, 200, 36) ;
  CreateControl(0, "太字のボタン", "ID_bt", 10, 60, 200, 40) ;
}
INIT {
  SetControlFont("ID_in", "ＭＳ ゴシック", 12, 24, 0) ;
  SetControlFont("ID_bt", "ＭＳ 明朝", 10, 20, 2) ;
}
)zep",
     "SetFont CreateControl SetControlSize"},
    {"SetControlFocus", R"zep(// はじめからエディットに字を打てるように、エディットにフォーカスを移します
CREATE { CreateControl(101, "", "ID_in", 10, 10, 200, 24) ; }
INIT { SetControlFocus("ID_in") ; }
)zep",
     "KillControlFocus CreateControl SETFOCUS"},
    {"KillControlFocus", R"zep(// エディットに字を打ってからウィンドウをクリックすると、フォーカスがウィンドウに戻り、
// キーを押すと KEYDOWN が動いてキーコードを書きます
CREATE { CreateControl(101, "", "ID_in", 10, 10, 200, 24) ; }
INIT { SetControlFocus("ID_in") ; }
LBUTTONDOWN { KillControlFocus ; }
KEYDOWN { Box(10, 50, 100, 80, 7, 7) ; PrintData(10, 50, 0, 0, 20, 1, 0, KEY) ; }
)zep",
     "SetControlFocus KEYDOWN KILLFOCUS"},
    // Buttons.
    {"SetButtonText", R"zep(// ウィンドウをクリックするたびに、ボタンの字を変えます
CREATE { CreateControl(0, "はじめ", "ID_bt", 10, 10, 120, 30) ; }
INIT { n = 0 ; }
LBUTTONDOWN {
  n = n + 1 ;
  if (n % 2 == 1) { SetButtonText("ID_bt", "クリック！") ; }
  if (n % 2 == 0) { SetButtonText("ID_bt", "もう一回") ; }
}
)zep",
     "CreateControl SetButtonGrp SetCaption"},
    {"SetButtonGrpFile", R"zep(// 描いた顔を face.bmp に保存し、それをＢＭＰボタンの絵にします
CREATE { CreateControl(1, "顔のボタン", "ID_face", 100, 10, 40, 40) ; }
PAINT {
  Circle(0, 0, 32, 32, 0, 6) ;
  Point(10, 12, 0) ; Point(22, 12, 0) ;
  SaveBMP(0, 0, 32, 32, "face.bmp") ;
  SetButtonGrpFile("ID_face", "face.bmp") ;
}
)zep",
     "SetButtonGrp LoadGrpFile BmpBtBox"},
    {"SetButtonGrp", R"zep(// ＢＭＰボタン（種類 1）に標準の絵（1～20）を付けます。番号を変えてみよう
CREATE {
  CreateControl(1, "新しい紙", "ID_new", 10, 10, 36, 36) ;
  CreateControl(1, "右へ", "ID_right", 50, 10, 36, 36) ;
}
INIT {
  SetButtonGrp("ID_new", 1) ;
  SetButtonGrp("ID_right", 17) ;
}
ID_new { FullPaint(7) ; }
)zep",
     "SetButtonGrpFile BmpBtCircle CreateControl"},
    {"SetButtonCheck", R"zep(// チェックボタンは押されても印が変わらないので、SetButtonCheck で付け外しします
CREATE { CreateControl(20, "クリックで音", "ID_sound", 10, 10, 140, 24) ; }
INIT { SetButtonCheck("ID_sound", 1) ; }
ID_sound { SetButtonCheck("ID_sound", 1 - GetButtonCheck("ID_sound")) ; }
LBUTTONDOWN { if (GetButtonCheck("ID_sound") == 1) { Beep(0) ; } }
)zep",
     "GetButtonCheck CreateControl SetMenuStyle"},
    {"GetButtonCheck", R"zep(// ラジオボタンで色をえらび、クリックした所にその色の丸を描きます
CREATE {
  CreateControl(10, "赤", "ID_red", 10, 10, 60, 20) ;
  CreateControl(10, "青", "ID_blue", 80, 10, 60, 20) ;
}
INIT { SetButtonCheck("ID_red", 1) ; }
ID_red { SetButtonCheck("ID_red", 1) ; SetButtonCheck("ID_blue", 0) ; }
ID_blue { SetButtonCheck("ID_red", 0) ; SetButtonCheck("ID_blue", 1) ; }
LBUTTONDOWN {
  c = 1 ;
  if (GetButtonCheck("ID_red") == 1) { c = 2 ; }
  Circle(MOUSE_X - 8, MOUSE_Y - 8, MOUSE_X + 8, MOUSE_Y + 8, 0, c) ;
}
)zep",
     "SetButtonCheck CreateControl if"},
    {"BmpBtBox", R"zep(// ＢＭＰボタンに四角を描いて、自分だけの絵のボタンを作ります
CREATE { CreateControl(1, "四角を描く", "ID_box", 10, 10, 36, 36) ; }
INIT { BmpBtBox("ID_box", 8, 8, 28, 28, 1, 5) ; }
ID_box { Box(60, 10, 160, 110, 0, 5) ; }
)zep",
     "BmpBtCircle BmpBtLine BmpBtPoint SetButtonGrp"},
    {"BmpBtCircle", R"zep(// ＢＭＰボタンに黄色い丸を描きます。押すとウィンドウにも丸を描きます
CREATE { CreateControl(1, "丸を描く", "ID_circle", 10, 10, 36, 36) ; }
INIT { BmpBtCircle("ID_circle", 6, 6, 30, 30, 0, 6) ; }
ID_circle { Circle(60, 10, 160, 110, 0, 6) ; }
)zep",
     "BmpBtBox BmpBtLine BmpBtPoint"},
    {"BmpBtLine", R"zep(// ＢＭＰボタンに、線を二本引いて×じるしを描きます
CREATE { CreateControl(1, "おわり", "ID_end", 10, 10, 36, 36) ; }
INIT {
  BmpBtLine("ID_end", 8, 8, 28, 28, 2) ;
  BmpBtLine("ID_end", 28, 8, 8, 28, 2) ;
}
ID_end { end ; }
)zep",
     "BmpBtBox BmpBtCircle BmpBtPoint"},
    {"BmpBtPoint", R"zep(// ＢＭＰボタンに点を一つずつ打って、小さな星空を描きます
CREATE { CreateControl(1, "星", "ID_star", 10, 10, 36, 36) ; }
INIT {
  BmpBtBox("ID_star", 0, 0, 36, 36, 0, 0) ;
  BmpBtPoint("ID_star", 8, 10, 7) ; BmpBtPoint("ID_star", 20, 6, 6) ;
  BmpBtPoint("ID_star", 27, 18, 7) ; BmpBtPoint("ID_star", 12, 26, 6) ;
}
)zep",
     "BmpBtBox BmpBtLine Point"},
    // Edit fields.
    {"AllSelectEdit", R"zep(// クリックすると、エディットの文を全部えらびます（えらんだ所の色が変わります）
CREATE { CreateControl(100, "全部えらびます", "ID_memo", 10, 10, 220, 80) ; }
LBUTTONDOWN {
  SetControlFocus("ID_memo") ;
  AllSelectEdit("ID_memo") ;
}
)zep",
     "SetEditCursol ClipEdit CutEdit"},
    {"ClearEdit", R"zep(// えらんだ所（はじめの５バイト）を、クリックすると消します
CREATE { CreateControl(101, "12345ABCDE", "ID_in", 10, 10, 200, 24) ; }
INIT { SetEditCursol("ID_in", 0, 5) ; }
LBUTTONDOWN { ClearEdit("ID_in") ; }
)zep",
     "AllClearEdit CutEdit SetEditCursol"},
    {"AllClearEdit", R"zep(// クリックすると、エディットの中身を全部消します
CREATE { CreateControl(100, "クリックで全部消えます", "ID_memo", 10, 10, 220, 80) ; }
LBUTTONDOWN { AllClearEdit("ID_memo") ; }
)zep",
     "ClearEdit SetEditText UndoEdit"},
    {"ClipEdit", R"zep(// 上のエディットでえらんだ所をクリップボードへコピーし、下のエディットに貼り付けます
CREATE {
  CreateControl(101, "コピーする文", "ID_a", 10, 10, 200, 24) ;
  CreateControl(101, "", "ID_b", 10, 50, 200, 24) ;
}
INIT { SetEditCursol("ID_a", 0, 6) ; }
LBUTTONDOWN { ClipEdit("ID_a") ; PasteEdit("ID_b") ; }
)zep",
     "AllClipEdit PasteEdit CutEdit"},
    {"AllClipEdit", R"zep(// クリックすると、上のエディットの中身を全部コピーして、下に貼り付けます
CREATE {
  CreateControl(101, "全部コピー", "ID_a", 10, 10, 200, 24) ;
  CreateControl(101, "", "ID_b", 10, 50, 200, 24) ;
}
LBUTTONDOWN { AllClipEdit("ID_a") ; PasteEdit("ID_b") ; }
)zep",
     "ClipEdit PasteEdit AllSelectEdit"},
    {"CompEditText", R"zep(// エディットの文の頭が「こんにちは」かどうかを、クリックで調べます（一致：１）
CREATE { CreateControl(101, "こんにちは、ZEP", "ID_in", 10, 10, 200, 24) ; }
LBUTTONDOWN {
  Box(10, 50, 200, 80, 7, 7) ;
  if (CompEditText("ID_in", 0, "こんにちは") == 1) { Print(10, 50, 0, 0, 20, 1, "あいさつです") ; }
}
)zep",
     "SearchEditText GetEditCode GetEditText"},
    {"CutEdit", R"zep(// えらんだ所を切り取って、下のエディットに貼り付けます
CREATE {
  CreateControl(101, "ABCDEF", "ID_a", 10, 10, 200, 24) ;
  CreateControl(101, "", "ID_b", 10, 50, 200, 24) ;
}
INIT { SetEditCursol("ID_a", 0, 3) ; }
LBUTTONDOWN { CutEdit("ID_a") ; PasteEdit("ID_b") ; }
)zep",
     "ClipEdit PasteEdit ClearEdit"},
    {"GetEditChange", R"zep(// エディットの中身が書きかえられたかどうか（1 か 0）を、クリックで調べます
CREATE { CreateControl(100, "", "ID_memo", 10, 10, 220, 80) ; }
LBUTTONDOWN {
  Box(10, 100, 200, 130, 7, 7) ;
  PrintData(10, 100, 0, 0, 20, 1, 0, GetEditChange("ID_memo")) ;
}
)zep",
     "SetEditNoChange CLOSE MessBox"},
    {"GetEditCode", R"zep(// エディットの文のはじめの５バイトの文字コードを書きます
CREATE { CreateControl(101, "ABCDE", "ID_in", 10, 10, 200, 24) ; }
PAINT {
  i = 0 ;
  loop (5) {
    PrintData(10 + i * 40, 50, 0, 0, 16, 1, 0, GetEditCode("ID_in", i)) ;
    i = i + 1 ;
  }
}
)zep",
     "SetEditCode GetEditLength PrintCode"},
    {"GetEditCursolEnd", R"zep(// えらんだ範囲の終わりの位置を、クリックで書きます。マウスでえらび直してみよう
CREATE { CreateControl(101, "ZEP で遊ぼう", "ID_in", 10, 10, 200, 24) ; }
INIT { SetEditCursol("ID_in", 0, 3) ; }
LBUTTONDOWN {
  Box(10, 50, 200, 80, 7, 7) ;
  PrintData(10, 50, 0, 0, 20, 1, 0, GetEditCursolEnd("ID_in")) ;
}
)zep",
     "GetEditCursolStart SetEditCursol GetEditText"},
    {"GetEditCursolStart", R"zep(// カーソル（えらんだ範囲の始め）の位置を、クリックで書きます
CREATE { CreateControl(101, "ZEP で遊ぼう", "ID_in", 10, 10, 200, 24) ; }
INIT { SetEditCursol("ID_in", 4, 4) ; }
LBUTTONDOWN {
  Box(10, 50, 200, 80, 7, 7) ;
  PrintData(10, 50, 0, 0, 20, 1, 0, GetEditCursolStart("ID_in")) ;
}
)zep",
     "GetEditCursolEnd SetEditCursol SetEditText"},
    {"GetEditData", R"zep(// １行エディットに打った数を読み、クリックするとその２倍を書きます
CREATE { CreateControl(101, "21", "ID_num", 10, 10, 100, 24) ; }
LBUTTONDOWN {
  Box(10, 50, 200, 80, 7, 7) ;
  PrintData(10, 50, 0, 0, 20, 1, 0, GetEditData("ID_num") * 2) ;
}
)zep",
     "SetEditData GetEditText GetEditLength"},
    {"GetEditLength", R"zep(// エディットの文の長さ（バイト数、漢字は２バイト）を、クリックで書きます
CREATE { CreateControl(101, "ZEP で遊ぼう", "ID_in", 10, 10, 200, 24) ; }
LBUTTONDOWN {
  Box(10, 50, 200, 80, 7, 7) ;
  PrintData(10, 50, 0, 0, 20, 1, 0, GetEditLength("ID_in")) ;
}
)zep",
     "GetEditCode GetEditText SearchEditText"},
    {"GetEditText", R"zep(// 上のエディットの 0～2 バイト目（「ZEP」の３文字）を、下のエディットに書き写します
CREATE {
  CreateControl(101, "ZEP で遊ぼう", "ID_a", 10, 10, 200, 24) ;
  CreateControl(101, "", "ID_b", 10, 50, 200, 24) ;
}
INIT { GetEditText("ID_a", 0, 2, "ID_b") ; }
)zep",
     "SetEditText GetEditCode SearchEditText"},
    {"PasteEdit", R"zep(// クリックすると、クリップボードの中身をエディットのカーソルの所に貼り付けます
CREATE { CreateControl(100, "", "ID_memo", 10, 10, 220, 80) ; }
LBUTTONDOWN { PasteEdit("ID_memo") ; }
)zep",
     "ClipEdit CutEdit AllClipEdit"},
    {"UndoEdit", R"zep(// はじめに文を全部消しておきます。クリックすると、UndoEdit で元に戻ります
CREATE { CreateControl(101, "元に戻せます", "ID_in", 10, 10, 200, 24) ; }
INIT { AllClearEdit("ID_in") ; }
LBUTTONDOWN { UndoEdit("ID_in") ; }
)zep",
     "AllClearEdit ClearEdit CutEdit"},
    {"SearchEditText", R"zep(// エディットの文から「ZEP」を探して、見つかった位置を書きます（無い時：-1）
CREATE { CreateControl(101, "ようこそ ZEP へ", "ID_in", 10, 10, 200, 24) ; }
PAINT {
  PrintData(10, 50, 0, 0, 20, 1, 0, SearchEditText("ID_in", 0, "ZEP")) ;
  PrintData(10, 80, 0, 0, 20, 2, 0, SearchEditText("ID_in", 0, "ねこ")) ;
}
)zep",
     "CompEditText SetEditCursol GetEditText"},
    {"SetEditCode", R"zep(// 文字コード 65～70 を一つずつ書き込んで、エディットに「ABCDEF」と書きます
CREATE { CreateControl(101, "", "ID_in", 10, 10, 200, 24) ; }
INIT {
  i = 0 ;
  loop (6) { SetEditCode("ID_in", 65 + i) ; i = i + 1 ; }
}
)zep",
     "GetEditCode SetEditText SetEditCodeRet"},
    {"SetEditCodeRet", R"zep(// 改行を書き込みながら、エディットに九九の２の段を一行ずつ書きます
CREATE { CreateControl(100, "", "ID_memo", 10, 10, 200, 200) ; }
INIT {
  i = 1 ;
  loop (9) {
    SetEditData("ID_memo", 2 * i, 0) ;
    SetEditCodeRet("ID_memo") ;
    i = i + 1 ;
  }
}
)zep",
     "SetEditText SetEditCode SetEditData"},
    {"SetEditCursol", R"zep(// はじめの３バイトをえらんでおき、クリックするとカーソルを文の最後に動かします
CREATE { CreateControl(101, "ZEP で遊ぼう", "ID_in", 10, 10, 200, 24) ; }
INIT {
  SetControlFocus("ID_in") ;
  SetEditCursol("ID_in", 0, 3) ;
}
LBUTTONDOWN { SetControlFocus("ID_in") ; SetEditCursol("ID_in", -1, -1) ; }
)zep",
     "GetEditCursolStart GetEditCursolEnd AllSelectEdit"},
    {"SetEditData", R"zep(// 数をエディットに書きます。３つ目の数は小数点以下のけた数です
CREATE { CreateControl(101, "", "ID_in", 10, 10, 200, 24) ; }
INIT {
  SetEditData("ID_in", PI, 3) ;
  SetEditText("ID_in", " と ") ;
  SetEditData("ID_in", 100 / 3, 0) ;
}
)zep",
     "GetEditData SetEditData16 PrintData"},
    {"SetEditData16", R"zep(// 255 と 4096 を、１６進数（ff と 1000）でエディットに書きます
CREATE { CreateControl(101, "", "ID_in", 10, 10, 200, 24) ; }
INIT {
  SetEditData16("ID_in", 255) ;
  SetEditText("ID_in", " ") ;
  SetEditData16("ID_in", 4096) ;
}
)zep",
     "SetEditData GetEditData"},
    {"SetEditNoChange", R"zep(// クリックすると変更の印を消します。書きかえてから閉じようとすると、たずねます
CREATE { CreateControl(100, "", "ID_memo", 10, 10, 220, 80) ; }
LBUTTONDOWN { SetEditNoChange("ID_memo") ; }
CLOSE {
  if (GetEditChange("ID_memo") == 0) { end ; }
  if (MessBox("書きかえた文を捨てて、終わりますか？", "確認", 3, 3) == 1) { end ; }
}
)zep",
     "GetEditChange WriteFileFromEdit CLOSE"},
    {"SetEditText", R"zep(// エディットのカーソルの所に文を書き込みます。クリックするたびに書き足します
CREATE { CreateControl(100, "", "ID_memo", 10, 10, 220, 120) ; }
INIT { SetEditText("ID_memo", "こんにちは") ; }
LBUTTONDOWN { SetEditText("ID_memo", "、ZEP") ; }
)zep",
     "AllClearEdit SetEditData SetEditCodeRet GetEditText"},
    // Lists, combo boxes and scroll bars.
    {"SetListText", R"zep(// リストボックス（種類 41）に項目を加えます
CREATE { CreateControl(41, "", "ID_list", 10, 10, 150, 100) ; }
INIT {
  SetListText("ID_list", "りんご") ;
  SetListText("ID_list", "みかん") ;
  SetListText("ID_list", "ぶどう") ;
}
)zep",
     "GetListPos SetListPos ClearList"},
    {"GetListPos", R"zep(// えらんだ項目の番号（0 から。無い時は -1）を、クリックで書きます
CREATE { CreateControl(41, "", "ID_list", 10, 10, 150, 100) ; }
INIT {
  SetListText("ID_list", "赤") ; SetListText("ID_list", "緑") ; SetListText("ID_list", "青") ;
}
LBUTTONDOWN {
  Box(170, 10, 260, 40, 7, 7) ;
  PrintData(170, 10, 0, 0, 20, 1, 0, GetListPos("ID_list")) ;
}
)zep",
     "SetListPos GetListText SetListText"},
    {"SetListPos", R"zep(// はじめから２番目の項目（番号 1）をえらんでおきます
CREATE { CreateControl(33, "", "ID_combo", 10, 10, 150, 100) ; }
INIT {
  SetListText("ID_combo", "小") ; SetListText("ID_combo", "中") ; SetListText("ID_combo", "大") ;
  SetListPos("ID_combo", 1) ;
}
)zep",
     "GetListPos SetListText GetComboText"},
    {"GetListText", R"zep(// クリックすると、リストでえらばれている項目を１行エディットに書き写します
CREATE {
  CreateControl(41, "", "ID_list", 10, 10, 150, 80) ;
  CreateControl(101, "", "ID_out", 10, 100, 150, 24) ;
}
INIT {
  SetListText("ID_list", "いぬ") ; SetListText("ID_list", "ねこ") ;
  SetListPos("ID_list", 0) ;
}
LBUTTONDOWN { AllClearEdit("ID_out") ; GetListText("ID_list", "ID_out") ; }
)zep",
     "GetListPos GetComboText SetListText"},
    {"ClearList", R"zep(// クリックするたびに、リストの項目を全部消してから入れ直します
CREATE { CreateControl(41, "", "ID_list", 10, 10, 150, 100) ; }
INIT { n = 0 ; }
LBUTTONDOWN {
  ClearList("ID_list") ;
  n = n + 1 ;
  loop (n) { SetListText("ID_list", "項目") ; }
}
)zep",
     "SetListText GetListPos AllClearEdit"},
    {"GetComboText", R"zep(// コンボボックスの文字を、クリックで１行エディットに書き写します
CREATE {
  CreateControl(30, "", "ID_combo", 10, 10, 150, 100) ;
  CreateControl(101, "", "ID_out", 170, 10, 150, 24) ;
}
INIT { SetListText("ID_combo", "東京") ; SetListText("ID_combo", "大阪") ; SetListPos("ID_combo", 0) ; }
LBUTTONDOWN { AllClearEdit("ID_out") ; GetComboText("ID_combo", "ID_out") ; }
)zep",
     "GetListText SetListText GetListPos"},
    {"SetScrollRange", R"zep(// スクロールバー（種類 70）の範囲を 0～10 にし、つまみの位置の数だけ丸を描きます
CREATE { CreateControl(70, "", "ID_bar", 10, 10, 200, 18) ; }
INIT { SetScrollRange("ID_bar", 10) ; }
PAINT { call("ID_bar") ; }
ID_bar {
  Box(0, 40, 300, 80, 7, 7) ;
  i = 0 ;
  loop (GetScrollPos("ID_bar")) { Circle(10 + i * 20, 50, 26 + i * 20, 66, 0, 6) ; i = i + 1 ; }
}
)zep",
     "SetScrollPos GetScrollPos CreateControl"},
    {"SetScrollPos", R"zep(// クリックするたびに、スクロールバーのつまみを右へ 10 動かします
CREATE { CreateControl(70, "", "ID_bar", 10, 10, 200, 18) ; }
INIT { SetScrollRange("ID_bar", 100) ; p = 0 ; }
LBUTTONDOWN {
  p = (p + 10) % 110 ;
  SetScrollPos("ID_bar", p) ;
}
)zep",
     "GetScrollPos SetScrollRange"},
    {"GetScrollPos", R"zep(// スクロールバーを動かすと、つまみの位置（0～255）を読んで四角の幅にします
CREATE { CreateControl(70, "", "ID_bar", 10, 10, 260, 18) ; }
INIT { SetScrollRange("ID_bar", 255) ; SetScrollPos("ID_bar", 100) ; }
PAINT { call("ID_bar") ; }
ID_bar {
  Box(10, 40, 275, 80, 7, 7) ;
  Box(10, 40, 11 + GetScrollPos("ID_bar"), 80, 0, 1) ;
}
)zep",
     "SetScrollPos SetScrollRange"},
    // Sounds.
    {"WaveBuf", R"zep(// 0.25 秒（5512 個）の波形バッファに「ピー」という音を作り、クリックで鳴らします
CREATE { WaveBuf("pi", 5512) ; }
INIT {
  i = 0 ;
  loop (5512) {
    v = 40 ;
    if (i % 50 < 25) { v = 0 - 40 ; }
    SetWaveBuf("pi", i, v) ;
    i = i + 1 ;
  }
}
LBUTTONDOWN { PlayWaveBuf("pi", 0) ; }
)zep",
     "SetWaveBuf PlayWaveBuf SaveWaveBuf"},
    {"PlayWaveBuf", R"zep(// 波形バッファの音を、クリックすると１回、右クリックするとくり返し鳴らします
CREATE { WaveBuf("buu", 4410) ; }
INIT {
  i = 0 ;
  loop (4410) { SetWaveBuf("buu", i, i % 100 - 50) ; i = i + 1 ; }
}
LBUTTONDOWN { PlayWaveBuf("buu", 0) ; }
RBUTTONDOWN { PlayWaveBuf("buu", 1) ; }
KEYDOWN { StopWaveBuf() ; }
)zep",
     "StopWaveBuf WaveBuf SetWaveBuf PlaySound"},
    {"StopWaveBuf", R"zep(// はじめから音をくり返し鳴らし、クリックすると止めます
CREATE { WaveBuf("uuu", 4410) ; }
INIT {
  i = 0 ;
  loop (4410) { SetWaveBuf("uuu", i, i % 80 - 40) ; i = i + 1 ; }
  PlayWaveBuf("uuu", 1) ;
}
LBUTTONDOWN { StopWaveBuf() ; }
)zep",
     "PlayWaveBuf StopSound WaveBuf"},
    {"SetWaveBuf", R"zep(// 波形バッファに値（-128～127）を一つずつ書いて、だんだん小さくなる音を作ります
CREATE { WaveBuf("pon", 4410) ; }
INIT {
  i = 0 ;
  loop (4410) {
    a = 100 - i / 45 ;
    v = a ;
    if (i % 40 < 20) { v = 0 - a ; }
    SetWaveBuf("pon", i, v) ;
    i = i + 1 ;
  }
}
LBUTTONDOWN { PlayWaveBuf("pon", 0) ; }
)zep",
     "GetWaveBuf WaveBuf PlayWaveBuf"},
    {"GetWaveBuf", R"zep(// 波形バッファに書いた波を GetWaveBuf で読み返して、線でつないで描きます
CREATE { WaveBuf("wave", 300) ; }
INIT {
  i = 0 ;
  loop (300) { SetWaveBuf("wave", i, sin(i * 6) * 60) ; i = i + 1 ; }
}
PAINT {
  i = 1 ;
  loop (299) {
    Line(i - 1, 80 - GetWaveBuf("wave", i - 1), i, 80 - GetWaveBuf("wave", i), 1) ;
    i = i + 1 ;
  }
}
)zep",
     "SetWaveBuf WaveBuf sin"},
    {"SaveWaveBuf", R"zep(// 波形バッファの音を pi.wav というＷＡＶＥファイルに保存します
CREATE { WaveBuf("pi", 4410) ; }
INIT {
  i = 0 ;
  loop (4410) { SetWaveBuf("pi", i, i % 30 * 4 - 60) ; i = i + 1 ; }
  OpenFileWrite("pi.wav") ;
  SaveWaveBuf("pi") ;
  CloseFile ;
}
PAINT { PrintData(10, 10, 0, 0, 20, 1, 0, GetFileLength("pi.wav")) ; }
)zep",
     "EntryWaveFile WaveBuf OpenFileWrite"},
    {"EntryWaveFile", R"zep(// 作った音を ton.wav に保存してから番号 0 で登録し、クリックで鳴らします
CREATE { WaveBuf("ton", 4410) ; }
INIT {
  i = 0 ;
  loop (4410) { SetWaveBuf("ton", i, i % 40 * 2 - 40) ; i = i + 1 ; }
  OpenFileWrite("ton.wav") ; SaveWaveBuf("ton") ; CloseFile ;
  EntryWaveFile(0, "ton.wav") ;
}
LBUTTONDOWN { PlaySound(0, 0) ; }
)zep",
     "PlaySound EntryMidiFile SaveWaveBuf"},
    {"EntryMidiFile", R"zep(// ＭＩＤＩファイル song.mid を番号 1 で登録し、クリックで鳴らします
// song.mid を、このスクリプトと同じフォルダに置いてから動かしてください
INIT {
  ok = 0 ;
  if (GetFileLength("song.mid") > 0) { EntryMidiFile(1, "song.mid") ; ok = 1 ; }
}
LBUTTONDOWN { if (ok == 1) { PlaySound(1, 0) ; } }
RBUTTONDOWN { if (ok == 1) { StopSound(1) ; } }
)zep",
     "EntryWaveFile PlaySound StopSound"},
    {"PlaySound", R"zep(// 登録した音を、クリックで１回、右クリックでくり返し鳴らします
CREATE { WaveBuf("pi", 2205) ; }
INIT {
  i = 0 ;
  loop (2205) { SetWaveBuf("pi", i, i % 20 * 6 - 60) ; i = i + 1 ; }
  OpenFileWrite("pi.wav") ; SaveWaveBuf("pi") ; CloseFile ;
  EntryWaveFile(0, "pi.wav") ;
}
LBUTTONDOWN { PlaySound(0, 0) ; }
RBUTTONDOWN { PlaySound(0, 1) ; }
)zep",
     "EntryWaveFile StopSound PauseSound"},
    {"PauseSound", R"zep(// くり返し鳴る音を、クリックするたびに一時停止したり、続きから鳴らしたりします
CREATE { WaveBuf("bu", 4410) ; }
INIT {
  i = 0 ;
  loop (4410) { SetWaveBuf("bu", i, i % 100 - 50) ; i = i + 1 ; }
  OpenFileWrite("bu.wav") ; SaveWaveBuf("bu") ; CloseFile ;
  EntryWaveFile(0, "bu.wav") ;
  PlaySound(0, 1) ;
}
LBUTTONDOWN { PauseSound(0) ; }
)zep",
     "StopSound PlaySound EntryWaveFile"},
    {"StopSound", R"zep(// くり返し鳴る音を、クリックすると止めます
CREATE { WaveBuf("bu", 4410) ; }
INIT {
  i = 0 ;
  loop (4410) { SetWaveBuf("bu", i, i % 60 - 30) ; i = i + 1 ; }
  OpenFileWrite("bu.wav") ; SaveWaveBuf("bu") ; CloseFile ;
  EntryWaveFile(0, "bu.wav") ;
  PlaySound(0, 1) ;
}
LBUTTONDOWN { StopSound(0) ; }
)zep",
     "PauseSound PlaySound StopWaveBuf"},
    // Other commands and functions.
    {"Data", R"zep(// 横に 10 個の配列「高さ」を作り、値を入れて棒グラフを描きます
CREATE { Data("高さ", 1, 10) ; }
INIT {
  i = 0 ;
  loop (10) { 高さ(0, i) = i * i ; i = i + 1 ; }
}
PAINT {
  i = 0 ;
  loop (10) { Box(10 + i * 20, 120 - 高さ(0, i), 26 + i * 20, 120, 0, 9) ; i = i + 1 ; }
}
)zep",
     "DataInit loop CREATE"},
    {"DataInit", R"zep(// 配列の全部の値を 0 にします。クリックした列を数えて、その数だけ棒をのばします
CREATE { Data("回数", 1, 5) ; }
INIT { DataInit("回数", 0) ; }
LBUTTONDOWN {
  x = fix(MOUSE_X / 60) ;
  if (x < 5) { 回数(0, x) = 回数(0, x) + 1 ; Box(x * 60, 0, x * 60 + 50, 回数(0, x) * 10, 0, 6) ; }
}
RBUTTONDOWN { DataInit("回数", 0) ; FullPaint(7) ; }
)zep",
     "Data fix"},
    {"SetTimer", R"zep(// 500 ミリ秒（0.5 秒）ごとに TIMER を動かし、色を次々に変えます
CREATE { SetTimer(500) ; }
INIT { c = 0 ; }
TIMER {
  c = (c + 1) % 16 ;
  Box(10, 10, 110, 110, 0, c) ;
}
)zep",
     "TIMER SubScreen"},
    {"Beep", R"zep(// クリックするとシステムの音（情報：64）を、右クリックでエラーの音（16）を鳴らします
LBUTTONDOWN { Beep(64) ; }
RBUTTONDOWN { Beep(16) ; }
)zep",
     "PlaySound MessBox"},
    {"sin", R"zep(// sin で、波の形に点を打ちます（角度は度）
PAINT {
  i = 0 ;
  loop (360) {
    Point(i / 2 + 10, 60 - sin(i) * 50, 1) ;
    i = i + 1 ;
  }
}
)zep",
     "cos tan asin PI"},
    {"cos", R"zep(// cos と sin で、円の上に 12 個の点を並べます（時計の文字盤のように）
PAINT {
  i = 0 ;
  loop (12) {
    x = 100 + cos(i * 30) * 80 ;
    y = 100 + sin(i * 30) * 80 ;
    Circle(x - 4, y - 4, x + 4, y + 4, 0, 2) ;
    i = i + 1 ;
  }
}
)zep",
     "sin acos PI"},
    {"tan", R"zep(// tan で、坂の角度（度）から、横に 100 進む間に上がる高さを求めて線を引きます
PAINT {
  h = tan(30) * 100 ;
  Line(10, 150, 110, 150 - h, 1) ;
  PrintData(120, 100, 0, 0, 16, 1, 1, h) ;
}
)zep",
     "atan sin cos"},
    {"asin", R"zep(// asin で、サインの値から角度（度）を求めます。0.5 は 30 度です
PAINT {
  PrintData(10, 10, 0, 0, 20, 1, 0, asin(0.5)) ;
  PrintData(10, 40, 0, 0, 20, 1, 0, asin(1)) ;
}
)zep",
     "sin acos atan"},
    {"acos", R"zep(// acos で、コサインの値から角度（度）を求めます。0.5 は 60 度です
PAINT {
  PrintData(10, 10, 0, 0, 20, 1, 0, acos(0.5)) ;
  PrintData(10, 40, 0, 0, 20, 1, 0, acos(0)) ;
}
)zep",
     "cos asin atan"},
    {"atan", R"zep(// ウィンドウの真ん中から見た、クリックした所の向き（度）を atan で求めて書きます
LBUTTONDOWN {
  dx = MOUSE_X - WIN_X / 2 ;
  dy = WIN_Y / 2 - MOUSE_Y ;
  if (dx != 0) {
    Box(0, 0, 100, 30, 7, 7) ;
    PrintData(10, 5, 0, 0, 20, 1, 0, atan(dy / dx)) ;
  }
}
)zep",
     "tan asin acos"},
    {"sqrt", R"zep(// クリックした所と (100, 100) の距離を、sqrt（平方根）で求めて書きます
PAINT { Point(100, 100, 2) ; }
LBUTTONDOWN {
  dx = MOUSE_X - 100 ;
  dy = MOUSE_Y - 100 ;
  Box(0, 0, 100, 30, 7, 7) ;
  PrintData(10, 5, 0, 0, 20, 1, 1, sqrt(dx * dx + dy * dy)) ;
}
)zep",
     "abs fix"},
    {"fix", R"zep(// fix で小数点以下を切り捨てて、クリックした所のマス目（40 ドットごと）を塗ります
LBUTTONDOWN {
  x = fix(MOUSE_X / 40) * 40 ;
  y = fix(MOUSE_Y / 40) * 40 ;
  Box(x, y, x + 40, y + 40, 0, 6) ;
}
)zep",
     "abs sqrt rand"},
    {"abs", R"zep(// abs（絶対値）で、クリックした所と真ん中の横の離れ方を、左右どちらでもプラスで書きます
LBUTTONDOWN {
  Box(0, 0, 100, 30, 7, 7) ;
  PrintData(10, 5, 0, 0, 20, 1, 0, abs(MOUSE_X - WIN_X / 2)) ;
}
)zep",
     "fix sqrt"},
    {"rand", R"zep(// rand で決めた場所に、クリックするたびに丸を描きます。種を変えると違う数が出ます
INIT { seed = SEC ; }
LBUTTONDOWN {
  seed = seed + 7 ;
  x = rand(seed) * 2 ;
  seed = seed + 7 ;
  y = rand(seed) * 2 ;
  Circle(x, y, x + 20, y + 20, 0, rand(seed) % 15 + 1) ;
}
)zep",
     "fix SEC TIMER"},
    // Control statements.
    {"loop", R"zep(// loop で 10 回くり返して、丸を横に並べます
PAINT {
  i = 0 ;
  loop (10) {
    Circle(10 + i * 25, 10, 30 + i * 25, 30, 0, i % 6 + 1) ;
    i = i + 1 ;
  }
}
)zep",
     "if call Data"},
    {"call", R"zep(// 星を描く所を STAR という名前のまとまりにして、call で何度も呼びます
PAINT {
  x = 20 ; call("STAR") ;
  x = 100 ; call("STAR") ;
  x = 180 ; call("STAR") ;
}
STAR {
  Triangle(x, 50, x + 30, 0, x + 60, 50, 0, 6) ;
  Triangle(x, 17, x + 60, 17, x + 30, 67, 0, 6) ;
}
)zep",
     "return loop if"},
    {"if", R"zep(// クリックした所が左半分なら赤、右半分なら青の丸を描きます
LBUTTONDOWN {
  c = 1 ;
  if (MOUSE_X < WIN_X / 2) { c = 2 ; }
  Circle(MOUSE_X - 10, MOUSE_Y - 10, MOUSE_X + 10, MOUSE_Y + 10, 0, c) ;
}
)zep",
     "loop return MOUSE_X"},
    {"return", R"zep(// 上の方（y が 50 より小さい所）をクリックした時は、return で何もせずに戻ります
PAINT { Line(0, 50, WIN_X, 50, 8) ; }
LBUTTONDOWN {
  if (MOUSE_Y < 50) { return ; }
  Circle(MOUSE_X - 10, MOUSE_Y - 10, MOUSE_X + 10, MOUSE_Y + 10, 0, 6) ;
}
)zep",
     "call if end"},
    {"end", R"zep(// Esc キー（キーコード 27）を押すと、end でプログラムを終わります
PAINT { Print(10, 10, 0, 0, 16, 0, "Esc キーで終わります") ; }
KEYDOWN {
  if (KEY == 27) { end ; }
}
)zep",
     "return CLOSE KEYDOWN"},
    // Reserved sections.
    {"CREATE", R"zep(// CREATE はウィンドウが開く前に１回だけ動きます。ウィンドウの大きさやタイトルを決めます
CREATE {
  SetCaption("CREATE の例") ;
  SetWinSize(240, 120) ;
  SetWinColor(15) ;
}
PAINT { Print(10, 10, 0, 0, 16, 0, "こんにちは") ; }
)zep",
     "INIT PAINT SetWinSize SetCaption"},
    {"INIT", R"zep(// INIT はウィンドウが開いた直後に１回だけ動きます。変数のはじめの値をここで入れます
INIT { n = 0 ; }
PAINT { call("SHOW") ; }
LBUTTONDOWN { n = n + 1 ; call("SHOW") ; }
SHOW {
  Box(0, 0, 100, 40, 7, 7) ;
  PrintData(10, 10, 0, 0, 20, 1, 0, n) ;
}
)zep",
     "CREATE PAINT TIMER"},
    {"PAINT", R"zep(// PAINT はウィンドウを描き直す時に動きます。ここで描いた絵は、隠れた後も元どおりです
PAINT {
  Box(10, 10, 110, 60, 0, 6) ;
  Print(20, 25, 0, 0, 16, 0, "消えない絵") ;
}
)zep",
     "INIT SubScreen CopyBMP"},
    {"SIZE", R"zep(// ウィンドウの大きさを変えると SIZE が動き、新しい幅と高さ（WIN_X、WIN_Y）を書きます
SIZE {
  FullPaint(7) ;
  PrintData(10, 10, 0, 0, 20, 1, 0, WIN_X) ;
  PrintData(10, 40, 0, 0, 20, 2, 0, WIN_Y) ;
}
)zep",
     "WIN_X WIN_Y MOVE SetWinSize"},
    {"MOVE", R"zep(// ウィンドウを動かすと MOVE が動き、左上の位置（WIN_L、WIN_T）を書きます
MOVE {
  FullPaint(7) ;
  PrintData(10, 10, 0, 0, 20, 1, 0, WIN_L) ;
  PrintData(10, 40, 0, 0, 20, 2, 0, WIN_T) ;
}
)zep",
     "WIN_L WIN_T SIZE SetWinPos"},
    {"TIMER", R"zep(// SetTimer で決めた 1000 ミリ秒（１秒）ごとに TIMER が動き、数を一つずつふやします
CREATE { SetTimer(1000) ; }
INIT { n = 0 ; }
TIMER {
  n = n + 1 ;
  Box(0, 0, 100, 40, 7, 7) ;
  PrintData(10, 10, 0, 0, 20, 1, 0, n) ;
}
)zep",
     "SetTimer SubScreen SEC"},
    {"LBUTTONDOWN", R"zep(// マウスの左ボタンを押すと LBUTTONDOWN が動き、その場所に丸を描きます
LBUTTONDOWN {
  Circle(MOUSE_X - 10, MOUSE_Y - 10, MOUSE_X + 10, MOUSE_Y + 10, 0, 6) ;
}
)zep",
     "LBUTTONUP LBUTTONDBLCLK RBUTTONDOWN MOUSE_X"},
    {"RBUTTONDOWN", R"zep(// マウスの右ボタンを押すと RBUTTONDOWN が動き、その場所に四角を描きます
RBUTTONDOWN {
  Box(MOUSE_X - 10, MOUSE_Y - 10, MOUSE_X + 10, MOUSE_Y + 10, 0, 2) ;
}
)zep",
     "LBUTTONDOWN RBUTTONUP RBUTTONDBLCLK"},
    {"MBUTTONDOWN", R"zep(// マウスの真ん中のボタン（ホイール）を押すと MBUTTONDOWN が動き、三角を描きます
MBUTTONDOWN {
  Triangle(MOUSE_X, MOUSE_Y - 12, MOUSE_X + 12, MOUSE_Y + 10, MOUSE_X - 12, MOUSE_Y + 10, 0, 9) ;
}
)zep",
     "MBUTTONUP MBUTTONDBLCLK LBUTTONDOWN"},
    {"LBUTTONDBLCLK", R"zep(// クリックで丸を描き、左ボタンのダブルクリックで全部消します
LBUTTONDOWN { Circle(MOUSE_X - 5, MOUSE_Y - 5, MOUSE_X + 5, MOUSE_Y + 5, 0, 1) ; }
LBUTTONDBLCLK { FullPaint(7) ; }
)zep",
     "LBUTTONDOWN RBUTTONDBLCLK FullPaint"},
    {"RBUTTONDBLCLK", R"zep(// 右ボタンのダブルクリックで、ウィンドウを黄色でぬります
RBUTTONDBLCLK { FullPaint(6) ; }
LBUTTONDBLCLK { FullPaint(7) ; }
)zep",
     "RBUTTONDOWN LBUTTONDBLCLK MBUTTONDBLCLK"},
    {"MBUTTONDBLCLK", R"zep(// 真ん中のボタンのダブルクリックで、ウィンドウを水色でぬります
PAINT { Print(10, 10, 0, 0, 16, 0, "ホイールをダブルクリックしてみよう") ; }
MBUTTONDBLCLK { FullPaint(5) ; }
)zep",
     "MBUTTONDOWN LBUTTONDBLCLK RBUTTONDBLCLK"},
    {"LBUTTONUP", R"zep(// 左ボタンを押した所から離した所まで、直線を引きます
LBUTTONDOWN { x = MOUSE_X ; y = MOUSE_Y ; }
LBUTTONUP { Line(x, y, MOUSE_X, MOUSE_Y, 1) ; }
)zep",
     "LBUTTONDOWN MOUSEMOVE RBUTTONUP"},
    {"RBUTTONUP", R"zep(// 右ボタンを押した所から離した所までの四角を描きます
RBUTTONDOWN { x = MOUSE_X ; y = MOUSE_Y ; }
RBUTTONUP { Box(x, y, MOUSE_X, MOUSE_Y, 2, -1) ; }
)zep",
     "RBUTTONDOWN LBUTTONUP MBUTTONUP"},
    {"MBUTTONUP", R"zep(// 真ん中のボタンを押した所から離した所までの丸を描きます
MBUTTONDOWN { x = MOUSE_X ; y = MOUSE_Y ; }
MBUTTONUP { Circle(x, y, MOUSE_X, MOUSE_Y, 9, -1) ; }
)zep",
     "MBUTTONDOWN LBUTTONUP RBUTTONUP"},
    {"MOUSEMOVE", R"zep(// マウスを動かすたびに MOUSEMOVE が動き、通った所に点を打ちます
PAINT { Print(10, 10, 0, 0, 16, 0, "マウスを動かしてみよう") ; }
MOUSEMOVE { Point(MOUSE_X, MOUSE_Y, 1) ; }
)zep",
     "MOUSE_X MOUSE_Y LBUTTONDOWN"},
    {"CLOSE", R"zep(// 閉じるボタンを押すと CLOSE が動きます。「はい」の時だけ end で閉じます
CLOSE {
  if (MessBox("終わりますか？", "確認", 3, 3) == 1) { end ; }
}
)zep",
     "end MessBox GetEditChange"},
    {"SETFOCUS", R"zep(// このウィンドウがえらばれる（キーを受ける）と緑、ほかをえらぶと灰色の印を描きます
SETFOCUS { Box(10, 10, 40, 40, 0, 4) ; }
KILLFOCUS { Box(10, 10, 40, 40, 0, 14) ; }
)zep",
     "KILLFOCUS SetControlFocus"},
    {"KILLFOCUS", R"zep(// ほかのウィンドウをえらぶと KILLFOCUS が動き、「お休み中」と書きます
SETFOCUS { Box(0, 0, 200, 40, 7, 7) ; Print(10, 10, 0, 0, 20, 1, "えらばれています") ; }
KILLFOCUS { Box(0, 0, 200, 40, 7, 7) ; Print(10, 10, 0, 0, 20, 8, "お休み中") ; }
)zep",
     "SETFOCUS KillControlFocus"},
    {"KEYDOWN", R"zep(// 矢印キー（← 37、→ 39）で四角を左右に動かします
INIT { x = 100 ; }
PAINT { Box(x, 50, x + 30, 80, 0, 2) ; }
KEYDOWN {
  Box(x, 50, x + 30, 80, 7, 7) ;
  if (KEY == 37) { x = x - 10 ; }
  if (KEY == 39) { x = x + 10 ; }
  Box(x, 50, x + 30, 80, 0, 2) ;
}
)zep",
     "KEY KEYUP CHARDOWN"},
    {"KEYUP", R"zep(// キーを押している間は赤、離すと KEYUP が動いて白にもどります
KEYDOWN { Box(10, 10, 60, 60, 0, 2) ; }
KEYUP { Box(10, 10, 60, 60, 0, 7) ; }
)zep",
     "KEYDOWN KEY CHARDOWN"},
    {"CHARDOWN", R"zep(// 文字のキーを打つと CHARDOWN が動き、その文字（ASC）を大きく書きます
CHARDOWN {
  Box(0, 0, 80, 60, 7, 7) ;
  PrintCode(20, 10, 0, 0, 40, 1, ASC) ;
}
)zep",
     "ASC KEYDOWN PrintCode"},
    {"HSCROLLBAR", R"zep(// ウィンドウの横のスクロールバーを動かすと HSCROLLBAR が動き、棒の長さが変わります
CREATE { SetScrollBar(200, 0) ; }
HSCROLLBAR {
  Box(0, 20, 220, 40, 7, 7) ;
  Box(10, 20, 10 + SCROLL_H, 40, 0, 2) ;
}
)zep",
     "VSCROLLBAR SCROLL_H SetScrollBar"},
    {"VSCROLLBAR", R"zep(// ウィンドウの縦のスクロールバーを動かすと VSCROLLBAR が動き、棒の高さが変わります
CREATE { SetScrollBar(0, 100) ; }
VSCROLLBAR {
  Box(20, 0, 40, 120, 7, 7) ;
  Box(20, 10, 40, 10 + SCROLL_V, 0, 1) ;
}
)zep",
     "HSCROLLBAR SCROLL_V SetScrollBar"},
    // Reserved variables.
    {"MOUSE_X", R"zep(// マウスを動かすと、その横の位置（MOUSE_X）に縦の線を引き、数も書きます
MOUSEMOVE {
  FullPaint(7) ;
  Line(MOUSE_X, 0, MOUSE_X, WIN_Y, 2) ;
  PrintData(10, 10, 0, 0, 16, 1, 0, MOUSE_X) ;
}
)zep",
     "MOUSE_Y MOUSEMOVE LBUTTONDOWN"},
    {"MOUSE_Y", R"zep(// マウスを動かすと、その縦の位置（MOUSE_Y）に横の線を引き、数も書きます
MOUSEMOVE {
  FullPaint(7) ;
  Line(0, MOUSE_Y, WIN_X, MOUSE_Y, 1) ;
  PrintData(10, 10, 0, 0, 16, 1, 0, MOUSE_Y) ;
}
)zep",
     "MOUSE_X MOUSEMOVE LBUTTONDOWN"},
    {"WIN_X", R"zep(// ウィンドウの中の幅（WIN_X）と高さ（WIN_Y）を使って、いつも真ん中に丸を描きます
PAINT {
  x = WIN_X / 2 ;
  y = WIN_Y / 2 ;
  Circle(x - 30, y - 30, x + 30, y + 30, 0, 6) ;
}
SIZE { FullPaint(7) ; call("PAINT") ; }
)zep",
     "WIN_Y SIZE SetWinSize"},
    {"WIN_Y", R"zep(// ウィンドウの高さ（WIN_Y）を使って、いつもウィンドウの下のはしに地面を描きます
PAINT { Box(0, WIN_Y - 20, WIN_X, WIN_Y, 11, 11) ; }
SIZE { FullPaint(7) ; call("PAINT") ; }
)zep",
     "WIN_X SIZE SetWinSize"},
    {"WIN_L", R"zep(// ウィンドウの左上の位置（WIN_L、WIN_T）を、クリックすると書きます
LBUTTONDOWN {
  Box(0, 0, 120, 50, 7, 7) ;
  PrintData(10, 5, 0, 0, 16, 1, 0, WIN_L) ;
  PrintData(10, 25, 0, 0, 16, 2, 0, WIN_T) ;
}
)zep",
     "WIN_T MOVE SetWinPos"},
    {"WIN_T", R"zep(// ウィンドウの上のはしの位置（WIN_T）を書きます。ウィンドウを動かすと書き直します
PAINT {
  Box(0, 0, 120, 30, 7, 7) ;
  PrintData(10, 5, 0, 0, 16, 1, 0, WIN_T) ;
}
MOVE { call("PAINT") ; }
)zep",
     "WIN_L MOVE SetWinPos"},
    {"SCR_X", R"zep(// 画面の幅（SCR_X）と高さ（SCR_Y）を使って、ウィンドウを画面の真ん中に置きます
CREATE { SetWinSize(200, 100) ; }
INIT { SetWinPos((SCR_X - 200) / 2, (SCR_Y - 100) / 2, 0) ; }
PAINT { PrintData(10, 10, 0, 0, 16, 1, 0, SCR_X) ; }
)zep",
     "SCR_Y SetWinPos WIN_X"},
    {"SCR_Y", R"zep(// 画面の高さ（SCR_Y）を書きます。クリックすると、ウィンドウが画面の下のはしへ動きます
CREATE { SetWinSize(200, 60) ; }
PAINT { PrintData(10, 10, 0, 0, 16, 1, 0, SCR_Y) ; }
LBUTTONDOWN { SetWinPos(0, SCR_Y - 120, 0) ; }
)zep",
     "SCR_X SetWinPos WIN_Y"},
    {"SCROLL_H", R"zep(// 横のスクロールバーの位置（SCROLL_H）だけ、丸を右にずらして描きます
CREATE { SetScrollBar(200, 0) ; }
PAINT { Circle(SCROLL_H, 20, SCROLL_H + 40, 60, 0, 6) ; }
HSCROLLBAR { FullPaint(7) ; call("PAINT") ; }
)zep",
     "SCROLL_V HSCROLLBAR SetScrollBar"},
    {"SCROLL_V", R"zep(// 縦のスクロールバーの位置（SCROLL_V）だけ、四角を下にずらして描きます
CREATE { SetScrollBar(0, 100) ; }
PAINT { Box(20, SCROLL_V, 60, SCROLL_V + 40, 0, 2) ; }
VSCROLLBAR { FullPaint(7) ; call("PAINT") ; }
)zep",
     "SCROLL_H VSCROLLBAR SetScrollBar"},
    {"FILE_NAME", R"zep(// "FILE_NAME" と書くと、このスクリプトのファイル名（最後に開いたファイル名）になります
// スクリプトを保存してから動かすと、そのファイル名がタイトルに出ます
CREATE { SetCaption("FILE_NAME") ; }
LBUTTONDOWN {
  if (FileNameDlgR("ファイルを選ぶ", "", 1) == 1) { SetCaption("FILE_NAME") ; }
}
)zep",
     "FileNameDlgR GetFileName SetCaption"},
    {"KEY", R"zep(// キーを押すと、そのキーコード（KEY）を書きます。← は 37、スペースは 32 です
KEYDOWN {
  Box(0, 0, 100, 40, 7, 7) ;
  PrintData(10, 10, 0, 0, 20, 1, 0, KEY) ;
}
)zep",
     "KEYDOWN ASC KEYUP"},
    {"ASC", R"zep(// 文字のキーを打つと、その文字コード（ASC）と文字を書きます。Ａは 65、ａは 97 です
CHARDOWN {
  Box(0, 0, 120, 40, 7, 7) ;
  PrintData(10, 10, 0, 0, 20, 1, 0, ASC) ;
  PrintCode(70, 10, 0, 0, 20, 2, ASC) ;
}
)zep",
     "CHARDOWN KEY PrintCode AscType"},
    {"PI", R"zep(// 円周率（PI）を使って、半径 50 の円の周りの長さを求めて書きます
PAINT {
  Circle(10, 10, 110, 110, 0, 6) ;
  PrintData(130, 50, 0, 0, 20, 1, 2, 2 * PI * 50) ;
}
)zep",
     "sin cos PrintData"},
    {"YEAR", R"zep(// 今日の日付（YEAR 年 MONTH 月 DAY 日）を書きます
PAINT {
  PrintData(10, 10, 0, 0, 20, 1, 0, YEAR) ; Print(60, 10, 0, 0, 20, 0, "年") ;
  PrintData(90, 10, 0, 0, 20, 1, 0, MONTH) ; Print(115, 10, 0, 0, 20, 0, "月") ;
  PrintData(145, 10, 0, 0, 20, 1, 0, DAY) ; Print(170, 10, 0, 0, 20, 0, "日") ;
}
)zep",
     "MONTH DAY HOUR"},
    {"MONTH", R"zep(// 今の月（MONTH）で、季節の色に塗ります（冬 水色、春 桃色、夏 黄色、秋 赤）
PAINT {
  c = 5 ;
  if (MONTH >= 3) { c = 3 ; }
  if (MONTH >= 6) { c = 6 ; }
  if (MONTH >= 9) { c = 2 ; }
  if (MONTH == 12) { c = 5 ; }
  FullPaint(c) ;
  PrintData(10, 10, 0, 0, 30, 0, 0, MONTH) ;
}
)zep",
     "YEAR DAY"},
    {"DAY", R"zep(// 今日の日（DAY）の数だけ、小さな丸を並べます
PAINT {
  i = 0 ;
  loop (DAY) {
    Circle(10 + i % 10 * 20, 10 + fix(i / 10) * 20, 24 + i % 10 * 20, 24 + fix(i / 10) * 20, 0, 6) ;
    i = i + 1 ;
  }
}
)zep",
     "YEAR MONTH"},
    {"HOUR", R"zep(// 今の時（HOUR）を見て、朝・昼・夜のあいさつを書きます
PAINT {
  if (HOUR < 11) { Print(10, 10, 0, 0, 24, 1, "おはよう") ; }
  if (HOUR >= 11) { if (HOUR < 18) { Print(10, 10, 0, 0, 24, 2, "こんにちは") ; } }
  if (HOUR >= 18) { Print(10, 10, 0, 0, 24, 9, "こんばんは") ; }
}
)zep",
     "MIN SEC YEAR"},
    {"MIN", R"zep(// 今の時刻を、TIMER で１秒ごとに「時:分」と書き直します
CREATE { SetTimer(1000) ; }
TIMER {
  Box(0, 0, 120, 40, 7, 7) ;
  PrintData(10, 10, 0, 0, 20, 1, 0, HOUR) ;
  Print(40, 10, 0, 0, 20, 1, ":") ;
  PrintData(50, 10, 0, 0, 20, 1, 0, MIN) ;
}
)zep",
     "HOUR SEC TIMER"},
    {"SEC", R"zep(// 今の秒（SEC）に合わせて、時計の秒針を１秒ごとに描き直します
CREATE { SetTimer(1000) ; }
TIMER {
  Circle(10, 10, 130, 130, 0, 7) ;
  Line(70, 70, 70 + sin(SEC * 6) * 55, 70 - cos(SEC * 6) * 55, 2) ;
}
)zep",
     "MIN HOUR rand"},
    // Commands the command assist does not list.
    {"PopupMenu", R"zep(// PopupMenu の項目は、その名前と同じセクションを動かします。"---" は区切り線です
CREATE {
  Menu("図形(&Z)") ;
  PopupMenu("四角") ;
  PopupMenu("---") ;
  PopupMenu("丸") ;
}
四角 { Box(10, 10, 110, 80, 0, 6) ; }
丸 { Circle(120, 10, 200, 90, 0, 2) ; }
)zep",
     "PopupMenuEX Menu SetMenuStyle"},
};

}  // namespace

const ReferenceExample* FindReferenceExample(const char* name) {
  for (const ReferenceExample& row : kExamples) {
    if (std::strcmp(row.name, name) == 0) return &row;
  }
  return nullptr;
}

int ReferenceExampleCount() { return static_cast<int>(sizeof kExamples / sizeof *kExamples); }

const ReferenceExample& ReferenceExampleAt(int i) { return kExamples[i]; }

}  // namespace zep
