// B3: 200,000 passes of sin, cos (degrees) and sqrt.
MAIN{
  i = 0 ;
  y = 0 ;
  loop(200000){
    y = sin(i)*cos(i) + sqrt(i) ;
    i = i + 1 ;
  }
}
