// Must fail: no window has this title; the driver lists the ones there are.
// expect: FAIL selftest_fail_window.zep:4: window SELFTEST "•Ê‚Ì‘‹": a window SELFTEST "•Ê‚Ì‘‹" / windows: SELFTEST "ƒeƒXƒg‘‹"
//! timeout 1
//! window SELFTEST "•Ê‚Ì‘‹"
