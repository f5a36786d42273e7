begin
  ;;
  begin end;
  if a then ;
  repeat until a;
end;
//    0  0  BEGIN 0 of 0
//    1  4  Result <- METHOD a (0 params)
//    2  4  JUMP IF NOT RESULT TO 3
//    3  5  Result <- METHOD a (0 params)
//    4  5  JUMP IF NOT RESULT TO 3
//    5  6  EXIT

