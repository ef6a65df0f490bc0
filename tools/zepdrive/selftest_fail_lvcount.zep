// Must fail: control 303 is the panel that holds the list view, not a list
// view, and the driver says what it found under that id.
// expect: FAIL selftest_fail_lvcount.zep:8: lvcount 303 4: 4 rows / a SELFTESTPANEL 303
//! timeout 1
//! window SELFTEST
//! key 76
//! window SELFTESTLIST "一覧"
//! lvcount 303 4
