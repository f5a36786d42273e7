var with;
begin
  WITH := With.x
end;
//    0  0  BEGIN 0 of 1
//    1  3  Result <- VAR 0
//    2  3  PUSH RESULT
//    3  3  Result <- OBJ. METHOD x (0 params)
//    4  3  Result -> VAR 0
//    5  3  EXIT
