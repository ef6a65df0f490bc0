// Data with a zero size fails in CREATE.
//! box "ZEP Error" "サブルーチン : CREATE\r\n\r\n コマンド : Data\r\n\r\nパラメータの値が無効です"
//! exit 0
CREATE { Data("a", 0, 1) ; }
