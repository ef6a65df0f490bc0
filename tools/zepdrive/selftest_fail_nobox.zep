// Must fail: a right click shows a box while none may appear.
// expect: FAIL selftest_fail_nobox.zep:5: nobox 3000: no message box / a box "ZEP Error" "一行目\r\n二行目"
//! window SELFTEST
//! click 10 10 right
//! nobox 3000
