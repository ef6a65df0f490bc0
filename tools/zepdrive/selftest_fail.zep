// Must fail: the corner is red, not green. The driver says what it saw and
// gives up after the 2 s timeout.
// expect: FAIL selftest_fail.zep:6: pixel 0 0 00FF00: 00FF00 at (0,0) / FF0000
//! timeout 2
//! window SELFTEST "テスト窓"
//! pixel 0 0 00FF00
//! close
