// The program that e2e/editor/compile wrote runs its script on its own, with
// no ZEP beside it: its window has the script's caption and picture.
//! cmdline
//! window RUN "compiled"
//! notblank
//! nobox 1000
//! close
//! gone
//! exit 0
