// Must be refused before anything starts: a colour is six hex digits.
// expect: ERROR selftest_bad.zep: line 4: pixel 0 0 red: bad argument red
//! window SELFTEST
//! pixel 0 0 red
