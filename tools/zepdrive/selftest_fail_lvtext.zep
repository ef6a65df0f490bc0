// Must fail: row 1 of the list view shows "太郎" in column 1, not "花子".
// expect: FAIL selftest_fail_lvtext.zep:7: lvtext 301 1 1 "花子": "花子" / "太郎"
//! timeout 1
//! window SELFTEST
//! key 76
//! window SELFTESTLIST "一覧"
//! lvtext 301 1 1 "花子"
