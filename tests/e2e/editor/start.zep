// Started without a script, the program opens the editor: the title names
// no file yet, the menu bar is resource 109 with every item, id and
// separator, an etched rule runs along the top, the toolbar shows its four
// icons on the grey strip. Closing the unchanged text ends the program.
// (The editor adds its sample menu to the bar when it starts, before ﾍﾙﾌﾟ,
// from the examples built into the program; the menus of another process
// cannot be read under Wine, so samples_menu.zep walks the live bar with the
// keyboard. Here Alt+S opens that menu and Escape closes it again.)
//! cmdline
//! window ZEP2 "ZEP - [NONAME.ZEP]"
//! menubar 109 "ﾌｧｲﾙ(&F)|編集(&E)|アシスト(&A)|ﾃﾞﾊﾞｯｸﾞ(&D)|ﾍﾙﾌﾟ(&H)"
//! menupopup 109 0 "新規作成(&N)\tCtrl+N=32789|開く(&O)\tCtrl+O=32771|上書き保存(&S)\tCtrl+S=32772|名前を付けて保存(&A)=32773|-|実行(&R)\tF5=32781|-|.EXE ファイルにコンパイル(&D)=32790|-|ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)=105"
//! menupopup 109 1 "元に戻す(&U)\tCtrl+Z=32777|やり直し(&R)\tCtrl+Y=32791|-|切り取り(&T)\tCtrl+X=32774|コピー(&C)\tCtrl+C=32775|貼り付け(&P)\tCtrl+V=32776|-|削除(&D)\tDel=32778|全ての範囲を選択(&A)\tCtrl+A=32779|-|検索(&F)\tCtrl+F=32792|次を検索(&N)\tF3=32793|-|文字を大きく(&L)\tCtrl++=32794|文字を小さく(&M)\tCtrl+-=32795|文字を標準の大きさに(&Z)\tCtrl+0=32796"
//! menupopup 109 2 "コマンドアシスト=32780|-|パレットに色を設定=132|フォントを選択=32784|ウィンドウスタイルを選択=32783|コントロールを選択=32788|ファイル名の取得=32785"
//! menupopup 109 3 "変数(&V)=32799|-|続行(&C)\tF5=32800|一時停止(&P)\tF6=32801|ステップ(&S)\tF10=32802|ステップイン(&I)\tF11=32803|実行を中止(&E)\tShift+F5=32804|-|ブレークポイントの切り替え(&B)\tF9=32805|ブレークポイントをすべて解除(&A)=32806"
//! menupopup 109 4 "目次(&O)=32786|キーワードで検索ﾞ(&S)=32787|カーソルの言葉を調べる(&W)\tF1=32797|はじめてのZEP(&G)=32798|-|ﾊﾞｰｼﾞｮﾝ情報(&A) ...=104"
//! pixel 200 0 808080
//! pixel 200 1 FFFFFF
//! pixel 76 15 C0C0C0
//! pixel 4 4 FFFFFF
//! pixel 25 25 000000
//! ctltext 200 200 ""
//! altkey s
//! menuopen
//! key 0x1B
//! key 0x1B
//! ctltext 200 200 ""
//! close
//! exit 0
