// Without SubScreen, front-to-front CopyBMP works, but screen -1 (any
// number up to 0) needs a back screen: code 14.
//! window RUN "実行中"
//! rect 20 20 10 10 FF0000
//! click 100 50
//! box "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n コマンド : CopyBMP\r\n\r\n裏画面が準備されていません"
//! exit 0
CREATE { SetWinSize(200,100) ; }
PAINT {
  FullPaint(7) ;
  Box(0,0,10,10,2,2) ;
  CopyBMP(1,0,0,10,10,1,20,20,10,10,0) ;
}
LBUTTONDOWN { CopyBMP(-1,0,0,10,10,1,20,20,10,10,0) ; }
