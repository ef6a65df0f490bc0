// B2: ten rounds of filling a 200 x 200 array and summing it.
// Round k (0..9) stores y + x + k in a(y,x); s is the sum of the last
// round, t the sum of all rounds.
CREATE{
  Data("a",200,200) ;
}
MAIN{
  k = 0 ;
  t = 0 ;
  loop(10){
    y = 0 ;
    loop(200){
      x = 0 ;
      loop(200){
        a(y,x) = y + x + k ;
        x = x + 1 ;
      }
      y = y + 1 ;
    }
    s = 0 ;
    y = 0 ;
    loop(200){
      x = 0 ;
      loop(200){
        s = s + a(y,x) ;
        x = x + 1 ;
      }
      y = y + 1 ;
    }
    t = t + s ;
    k = k + 1 ;
  }
}
