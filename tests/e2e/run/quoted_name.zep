// Double quotes anywhere in the command line are removed.
//! cmdline "{script}"
//! window RUN "ˆø—p•„"
//! close
//! exit 0
CREATE { SetCaption("ˆø—p•„") ; SetWinSize(100, 80) ; }
