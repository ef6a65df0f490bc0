// Must be refused before anything starts: set-up comes before the program.
// expect: ERROR selftest_bad_setup.zep: line 5: set-up directives come first (after cmdline)
//! window SELFTEST
//! close
//! setupfile selftest_late.txt "x"
