// B6: a section drawing 500 figures on the back screen, boxes and circles
// in turn, at coordinates computed from the figure's number. The benchmark
// runs DRAW 20 times.
CREATE{
  SubScreen(640,480) ;
}
DRAW{
  SelectScreen(0) ;
  i = 0 ;
  loop(500){
    x = (i * 37) % 600 ;
    y = (i * 53) % 440 ;
    if(i % 2 == 0){
      Box(x, y, x + 20 + i % 17, y + 15 + i % 13, i % 16, (i + 3) % 16) ;
    }
    if(i % 2 == 1){
      Circle(x, y, x + 12 + i % 9, y + 12 + i % 7, i % 16, -1) ;
    }
    i = i + 1 ;
  }
}
