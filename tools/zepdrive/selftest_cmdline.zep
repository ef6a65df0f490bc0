// A leading cmdline directive replaces the program's arguments; {script}
// becomes the full path of this file, in the command line as in any other
// directive's text. selftest.sh checks the arguments once more.
//! cmdline "no such file.zep" -x {script}
//! window SELFTEST
//! nofile selftest_args.txt
//! key 67
//! file selftest_args.txt "\"no such file.zep\" -x {script}"
//! notpixel 0 0 FFFFFF
//! click 10 10 right
//! box "ZEP Error" "一行目\r\n二行目"
//! key 73
//! box "ZEP" "お知らせ"
//! close
//! exit 7
