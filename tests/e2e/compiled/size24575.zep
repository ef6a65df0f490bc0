// The program compiled from a script of 24575 compacted bytes runs all of it:
// its last section sets the caption.
//! cmdline
//! window RUN "size24575"
//! nobox 300
//! close
//! gone
//! exit 0
