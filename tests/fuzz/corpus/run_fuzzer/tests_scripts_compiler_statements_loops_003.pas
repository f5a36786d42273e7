procedure P(n);
var i;
begin
  for i := 1 to n do Show(i)
end;
//    0  0  BEGIN 1 of 2
//    1  4  Result <- INT 1
//    2  4  Result -> VAR 1
//    3  4  Result <- VAR 1
//    4  4  PUSH RESULT
//    5  4  Result <- VAR 0
//    6  4  LESS OR EQ.
//    7  4  JUMP IF NOT RESULT TO 13
//    8  4  Result <- VAR 1
//    9  4  PUSH RESULT
//   10  4  Result <- METHOD Show (1 params)
//   11  4  INC 1
//   12  4  JUMP 3
//   13  4  EXIT

