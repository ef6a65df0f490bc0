// The program compiled from a script of 3072 compacted bytes runs all of it:
// its last section sets the caption.
//! cmdline
//! window RUN "size3072"
//! nobox 300
//! close
//! gone
//! exit 0
