// A MIDI file registers under an ID in CREATE. The test machines have no
// MIDI sequencer, so playing it is refused by the media interface: that is
// not reported, and pausing, resuming and stopping it go on quietly.
//! window RUN "MIDI"
//! click 5 5
//! title "鳴らした"
//! nobox 500
//! running
//! close
//! gone
//! exit 0
CREATE { EntryMidiFile(2, "tune.mid") ; SetCaption("MIDI") ; SetWinSize(200, 100) ; }
LBUTTONDOWN {
  PlaySound(2, 0) ; PauseSound(2) ; PauseSound(2) ; StopSound(2) ;
  SetCaption("鳴らした") ;
}
