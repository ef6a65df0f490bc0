// Must fail: the red square is 10x10, so an 11x11 rectangle is not all red.
// expect: FAIL selftest_fail_rect.zep:5: rect 0 0 11 11 FF0000: all FF0000 in (0,0) size 11x11 / first other pixel (10,0) is FFFFFF
//! timeout 1
//! window SELFTEST
//! rect 0 0 11 11 FF0000
