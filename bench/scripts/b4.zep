// B4: 200,000 calls of a section that does one assignment.
MAIN{
  n = 0 ;
  loop(200000){
    call("S") ;
  }
}
S{
  n = n + 1 ;
}
