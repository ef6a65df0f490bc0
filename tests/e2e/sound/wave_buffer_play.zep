// Synthesised buffers really play: nothing is heard before the click; a
// left click loops the fifth of a second that the first buffer holds, so
// more than half a second is heard; a right click stops it and all is
// quiet; a middle click plays the second buffer, a second of the tone a new
// buffer holds, to its end before the section goes on to change the caption.
//! window RUN "波形"
//! listen
//! quiet 300
//! click 5 5
//! heard 600
//! click 5 5 right
//! sleep 400
//! quiet 800
//! listen
//! mark
//! click 5 5 middle
//! title "鳴り終わり"
//! elapsed 950
//! heard 800
//! close
//! gone
//! exit 0
CREATE { WaveBuf("音", 4410) ; WaveBuf("長い音", 22050) ; SetCaption("波形") ; SetWinSize(200, 100) ; }
INIT {
  // A louder square wave than the one a new buffer holds.
  i = 0 ;
  loop (4410) {
    v = 0 - 100 ; if (i % 50 < 25) { v = 100 ; }
    SetWaveBuf("音", i, v) ;
    i = i + 1 ;
  }
}
LBUTTONDOWN { PlayWaveBuf("音", 1) ; }
RBUTTONDOWN { StopWaveBuf() ; }
MBUTTONDOWN { PlayWaveBuf("長い音", -1) ; SetCaption("鳴り終わり") ; }
