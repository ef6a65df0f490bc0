// B1: one million passes of one addition.
MAIN{
  x = 0 ;
  loop(1000000){
    x = x + 1 ;
  }
}
