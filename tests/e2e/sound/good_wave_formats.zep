// Wave files the player plays are registered and heard: 16-bit stereo,
// registered under two IDs at once (its check reads the file while the
// player holds it open for the first ID), and 16-bit mono in the extensible
// format with the PCM subformat. A left click loops the stereo tone of the
// second ID, a right click the extensible one; a key stops both.
//! window RUN "形式"
//! listen
//! click 5 5
//! heard 1200
//! key 0x41
//! sleep 800
//! quiet 600
//! listen
//! click 5 5 right
//! heard 1200
//! key 0x41
//! sleep 800
//! quiet 600
//! close
//! gone
//! exit 0
CREATE {
  EntryWaveFile(1, "tone16s.wav") ; EntryWaveFile(2, "tone16s.wav") ;
  EntryWaveFile(3, "tone_ext.wav") ;
  SetCaption("形式") ; SetWinSize(200, 100) ;
}
LBUTTONDOWN { PlaySound(2, 1) ; }
RBUTTONDOWN { PlaySound(3, 1) ; }
KEYDOWN { StopSound(2) ; StopSound(3) ; }
