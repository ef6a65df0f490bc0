// A wave file registered in CREATE really plays: a left click loops its
// half second, so well over a second is heard; StopSound ends the loop and
// all is quiet; a sound paused as it starts is silent until PauseSound
// resumes it; PlaySound with -1 returns only when the sound has played to
// its end.
//! window RUN "効果音"
//! listen
//! click 5 5
//! heard 1200
//! click 5 5 right
//! sleep 800
//! quiet 800
//! key 0x4F
//! sleep 300
//! quiet 600
//! listen
//! key 0x50
//! heard 300
//! sleep 400
//! listen
//! mark
//! click 5 5 middle
//! title "鳴り終わり"
//! elapsed 450
//! heard 400
//! close
//! gone
//! exit 0
CREATE { EntryWaveFile(1, "tone.wav") ; SetCaption("効果音") ; SetWinSize(200, 100) ; }
LBUTTONDOWN { PlaySound(1, 1) ; }
RBUTTONDOWN { StopSound(1) ; }
MBUTTONDOWN { PlaySound(1, -1) ; SetCaption("鳴り終わり") ; }
KEYDOWN {
  // O: play once and pause at once; P: pause or resume.
  if (KEY == 79) { PlaySound(1, 0) ; PauseSound(1) ; }
  if (KEY == 80) { PauseSound(1) ; }
}
