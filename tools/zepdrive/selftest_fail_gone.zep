// Must fail: the file the set-up wrote stays; the driver gives up waiting
// for it to go after the timeout.
// expect: FAIL selftest_fail_gone.zep:7: filegone selftest_here.txt: no file selftest_here.txt / it is still there
//! setupfile selftest_here.txt "x"
//! timeout 0.5
//! window SELFTEST "テスト窓"
//! filegone selftest_here.txt
//! close
