// Must fail: start waits for no one; the program driven so far still runs.
// expect: FAIL selftest_fail_start.zep:5: start "{exedir}\\selftest_app.exe": the program ended before start / it still runs
//! cmdline
//! window SELFTEST
//! start "{exedir}\\selftest_app.exe"
//! close
