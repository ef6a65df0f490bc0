// A cmdline directive with nothing after it starts the program with no
// arguments at all; selftest.sh checks what the program wrote.
//! cmdline
//! window SELFTEST
//! key 67
//! close
//! exit 7
