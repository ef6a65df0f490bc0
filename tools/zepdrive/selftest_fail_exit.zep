// Must fail: the program exits with 7, not 0.
// expect: FAIL selftest_fail_exit.zep:5: exit 0: exit with code 0 / exit code 7
//! window SELFTEST
//! close
//! exit 0
