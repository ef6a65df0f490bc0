// Angles run clockwise from 12 o'clock: Pie 0..90 is the upper-right
// quarter, 90..0 the other three. Arc with equal angles, or 0 and 360, is
// the whole ellipse. Chord 180..270 fills the lower-left segment.
//! window RUN "扇"
//! pixel 75 25 FF0000
//! pixel 25 25 FFFFFF
//! pixel 25 75 FFFFFF
//! pixel 75 75 FFFFFF
//! pixel 100 50 FFFFFF
//! pixel 135 25 FF0000
//! pixel 135 75 FF0000
//! pixel 185 75 FF0000
//! pixel 185 25 FFFFFF
//! pixel 270 0 0000FF
//! pixel 270 99 0000FF
//! pixel 220 50 0000FF
//! pixel 319 50 0000FF
//! pixel 270 50 FFFFFF
//! pixel 50 120 0000FF
//! pixel 99 170 0000FF
//! pixel 15 195 00FF00
//! pixel 25 200 00FF00
//! pixel 40 175 FFFFFF
//! pixel 80 135 FFFFFF
//! pixel 20 135 FFFFFF
//! pixel 80 185 FFFFFF
//! close
//! exit 0
CREATE { SetCaption("扇") ; SetWinSize(380,260) ; }
PAINT {
  FullPaint(7) ;
  Pie(0,0,100,100,0,90,0,2) ;
  Pie(110,0,210,100,90,0,0,2) ;
  Arc(220,0,320,100,45,45,1) ;
  Arc(0,120,100,220,0,360,1) ;
  Chord(0,120,100,220,180,270,0,4) ;
}
