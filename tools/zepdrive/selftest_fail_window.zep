// Must fail: no window has this title; the driver lists the ones there are.
// expect: FAIL selftest_fail_window.zep:4: window SELFTEST "別の窓": a window SELFTEST "別の窓" / windows: SELFTEST "テスト窓"
//! timeout 1
//! window SELFTEST "別の窓"
