var a;
begin
  goto Done;
  again: a := 2;
  GOTO AGAIN;
  done:
end;
//    0  0  BEGIN 0 of 1
//    1  3  JUMP 5
//    2  4  Result <- INT 2
//    3  4  Result -> VAR 0
//    4  5  JUMP 2
//    5  7  EXIT

