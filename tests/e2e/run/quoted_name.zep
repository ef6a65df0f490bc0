// Double quotes anywhere in the command line are removed.
//! cmdline "{script}"
//! window RUN "引用符"
//! close
//! exit 0
CREATE { SetCaption("引用符") ; SetWinSize(100, 80) ; }
