// Must fail: the list view has four rows, so row 4 cannot be selected.
// expect: FAIL selftest_fail_lvselect.zep:7: lvselect 301 4: row 4 / no row 4 (4 rows)
//! timeout 1
//! window SELFTEST
//! key 76
//! window SELFTESTLIST "一覧"
//! lvselect 301 4
