var c, x;
begin
  repeat
    if x then continue else x := 2
  until
    c
end;
//    0  0  BEGIN 0 of 2
//    1  4  Result <- VAR 1
//    2  4  JUMP IF NOT RESULT TO 5
//    3  4  JUMP 1
//    4  4  JUMP 7
//    5  4  Result <- INT 2
//    6  4  Result -> VAR 1
//    7  7  Result <- VAR 0
//    8  7  JUMP IF NOT RESULT TO 1
//    9  7  EXIT

