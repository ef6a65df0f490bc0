// Must fail: this box shows the information icon, not the exclamation one.
// expect: FAIL selftest_fail_icon.zep:6: box! "ZEP" "お知らせ": an exclamation icon / an information icon
//! timeout 1
//! window SELFTEST
//! key 73
//! box! "ZEP" "お知らせ"
