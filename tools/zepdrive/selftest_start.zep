// start: once the program has ended, another one starts (here the same
// program again, from its own folder) and the directives that follow look
// at it; its exit code is its own.
//! cmdline
//! window SELFTEST
//! close
//! exit 7
//! start "{exedir}\\selftest_app.exe"
//! window SELFTEST
//! running
//! close
//! gone
//! exit 7
