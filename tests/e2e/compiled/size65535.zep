// The program compiled from a script of 65535 compacted bytes runs all of it:
// its last section sets the caption.
//! cmdline
//! window RUN "size65535"
//! nobox 300
//! close
//! gone
//! exit 0
