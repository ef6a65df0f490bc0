// KEYDOWN, KEYUP and CHARDOWN set KEY and ASC.
//! window RUN "キー"
//! key 65
//! char 97
//! box "ZEP Error" "サブルーチン : CHARDOWN\r\n\r\n コマンド : OK_KEYS\r\n\r\nサブルーチンが見つかりません"
//! exit 0
CREATE { SetCaption("キー") ; SetWinSize(200, 150) ; }
INIT { down = 0 ; up = 0 ; }
KEYDOWN { if (KEY == 65) { down = 1 ; } }
KEYUP { if (KEY == 65) { up = 1 ; } }
// The key's own character may come before its KEYUP (the window can take
// the key down before the key up is posted); only the ones after it count.
CHARDOWN {
  if (up == 1) {
    if (ASC == 97) { if (down == 1) { call("OK_KEYS") ; } }
    call("BAD_KEYS") ;
  }
}
