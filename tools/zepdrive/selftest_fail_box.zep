// Must fail: the box's second line differs.
// expect: FAIL selftest_fail_box.zep:6: box "ZEP Error" "一行目\r\n三行目": text "一行目\r\n三行目" / text "一行目\r\n二行目"
//! timeout 1.5
//! window SELFTEST
//! click 10 10 right
//! box "ZEP Error" "一行目\r\n三行目"
