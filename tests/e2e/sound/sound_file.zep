// A wave file registered in CREATE really plays: a left click loops its
// half second, so well over a second is heard; PauseSound silences it, and
// again resumes it where it stopped (the pause took the place of the play's
// end report, so the resumed sound plays to its end and no further); a new
// loop, then StopSound, and all is quiet; PlaySound with -1 returns only
// when the sound has played to its end.
//! window RUN "効果音"
//! listen
//! click 5 5
//! heard 1200
//! key 0x50
//! sleep 400
//! quiet 700
//! listen
//! key 0x50
//! heard 50
//! click 5 5
//! heard 500
//! click 5 5 right
//! sleep 400
//! quiet 800
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
KEYDOWN { PauseSound(1) ; }
RBUTTONDOWN { StopSound(1) ; }
MBUTTONDOWN { PlaySound(1, -1) ; SetCaption("鳴り終わり") ; }
