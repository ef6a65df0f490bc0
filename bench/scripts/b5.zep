// B5: a TIMER pass moving 200 sprites kept in an array, each bounced off
// the edges of a 640 x 480 window with if. Row i holds x, y and the steps
// dx, dy. The benchmark runs SETUP once, then TIMER 1,000 times.
CREATE{
  Data("s",200,4) ;
}
SETUP{
  i = 0 ;
  loop(200){
    s(i,0) = i * 3 ;
    s(i,1) = i * 2 ;
    s(i,2) = i % 7 + 1 ;
    s(i,3) = i % 5 + 1 ;
    i = i + 1 ;
  }
}
TIMER{
  i = 0 ;
  loop(200){
    x = s(i,0) + s(i,2) ;
    y = s(i,1) + s(i,3) ;
    if(x < 0){ x = 0 ; s(i,2) = -s(i,2) ; }
    if(x > 630){ x = 630 ; s(i,2) = -s(i,2) ; }
    if(y < 0){ y = 0 ; s(i,3) = -s(i,3) ; }
    if(y > 470){ y = 470 ; s(i,3) = -s(i,3) ; }
    s(i,0) = x ;
    s(i,1) = y ;
    i = i + 1 ;
  }
}
