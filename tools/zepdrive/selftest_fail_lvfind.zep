// Must fail: no row of the list view shows "得点" with "4"; the driver says
// what the rows showing "得点" have instead.
// expect: FAIL selftest_fail_lvfind.zep:8: lvfind 301 0 "得点" 1 "4": a row with "得点" in column 0 and "4" in column 1 / row 0 with "3"
//! timeout 1
//! window SELFTEST
//! key 76
//! window SELFTESTLIST "一覧"
//! lvfind 301 0 "得点" 1 "4"
