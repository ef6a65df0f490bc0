// The program compiled from a script of 3071 compacted bytes runs all of it:
// its last section sets the caption, and an error shows the same box as in the
// interpreter and ends the program.
//! cmdline
//! window RUN "size3071"
//! click 10 10
//! box! "ZEP Error" "サブルーチン : LBUTTONDOWN\r\n\r\n 変数 : y\r\n\r\n変数の値が未定です"
//! gone
//! exit 0
