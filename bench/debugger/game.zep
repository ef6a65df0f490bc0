// A small game that asks for 60 frames a second (SetTimer(16)): a box
// bounces in the window, 20 sparks kept in the array p (x, y, dx, dy) move
// with it, and a few variables change every tick. bench/debugger/run.sh
// runs it from the editor, with the watch window open and closed.
//
// It counts its own TIMER runs: from the first change of SEC it counts the
// ticks until SEC has changed `seconds` more times, writes
// "TICKS SECONDS" to rate.txt and ends the run. (run.sh gives rate.txt
// its full path, in its output folder.)
CREATE {
  SetCaption("rate") ;
  SetWinSize(320, 240) ;
  SubScreen(320, 240) ;
  Data("p", 20, 4) ;
  SetTimer(16) ;
}
INIT {
  seconds = 5 ;
  x = 40 ; y = 30 ; dx = 5 ; dy = 3 ;
  score = 0 ; frame = 0 ;
  i = 0 ;
  loop(20) {
    p(i,0) = i * 15 ;
    p(i,1) = i * 11 ;
    p(i,2) = i % 5 + 1 ;
    p(i,3) = i % 3 + 1 ;
    i = i + 1 ;
  }
  counting = 0 ; ticks = 0 ; secs = 0 ; last = SEC ;
}
TIMER {
  frame = frame + 1 ;
  x = x + dx ;
  y = y + dy ;
  if (x < 0) { x = 0 ; dx = 0 - dx ; score = score + 1 ; }
  if (x > 300) { x = 300 ; dx = 0 - dx ; score = score + 1 ; }
  if (y < 0) { y = 0 ; dy = 0 - dy ; score = score + 1 ; }
  if (y > 220) { y = 220 ; dy = 0 - dy ; score = score + 1 ; }
  SelectScreen(0) ;
  FullPaint(8) ;
  Box(x, y, x + 20, y + 20, 4, 12) ;
  i = 0 ;
  loop(20) {
    p(i,0) = p(i,0) + p(i,2) ;
    p(i,1) = p(i,1) + p(i,3) ;
    if (p(i,0) < 0) { p(i,0) = 0 ; p(i,2) = 0 - p(i,2) ; }
    if (p(i,0) > 316) { p(i,0) = 316 ; p(i,2) = 0 - p(i,2) ; }
    if (p(i,1) < 0) { p(i,1) = 0 ; p(i,3) = 0 - p(i,3) ; }
    if (p(i,1) > 236) { p(i,1) = 236 ; p(i,3) = 0 - p(i,3) ; }
    Box(p(i,0), p(i,1), p(i,0) + 4, p(i,1) + 4, 14, 14) ;
    i = i + 1 ;
  }
  CopyBMP(0, 0, 0, 320, 240, 1, 0, 0, 320, 240, 0) ;
  call("COUNT") ;
}
// One more tick; at each change of SEC one more second.
COUNT {
  if (counting == 1) { ticks = ticks + 1 ; }
  if (SEC != last) {
    last = SEC ;
    if (counting == 1) { secs = secs + 1 ; }
    counting = 1 ;
  }
  if (secs >= seconds) { call("REPORT") ; }
}
REPORT {
  OpenFileWrite("rate.txt") ;
  at = 0 ;
  n = ticks ; call("NUMBER") ;
  WriteFile(at, 32) ; at = at + 1 ;
  n = secs ; call("NUMBER") ;
  WriteFile(at, 10) ;
  CloseFile ;
  end ;
}
// Writes n (a whole number below 10^9) in decimal at byte `at` of the open
// file; `at` moves past it.
NUMBER {
  d = 1 ;
  loop(8) { if (d * 10 <= n) { d = d * 10 ; } }
  loop(9) {
    if (d >= 1) {
      WriteFile(at, fix(n / d) % 10 + 48) ;
      at = at + 1 ;
      d = d / 10 ;
    }
  }
}
