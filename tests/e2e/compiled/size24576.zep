// The program compiled from a script of 24576 compacted bytes runs all of it:
// its last section sets the caption.
//! cmdline
//! window RUN "size24576"
//! nobox 300
//! close
//! gone
//! exit 0
