var x, i, j;
begin
  for i := 1 to 3 do
    for j := i downto 0 do
    begin
      if j then continue;
      break
    end;
  x
end;
//    0  0  BEGIN 0 of 3
//    1  3  Result <- INT 1
//    2  3  Result -> VAR 1
//    3  3  Result <- VAR 1
//    4  3  PUSH RESULT
//    5  3  Result <- INT 3
//    6  3  LESS OR EQ.
//    7  3  JUMP IF NOT RESULT TO 23
//    8  4  Result <- VAR 1
//    9  4  Result -> VAR 2
//   10  4  Result <- VAR 2
//   11  4  PUSH RESULT
//   12  4  Result <- INT 0
//   13  4  GR.OR EQ.
//   14  4  JUMP IF NOT RESULT TO 21
//   15  6  Result <- VAR 2
//   16  6  JUMP IF NOT RESULT TO 18
//   17  6  JUMP 19
//   18  8  JUMP 21
//   19  8  DEC 2
//   20  8  JUMP 10
//   21  8  INC 1
//   22  8  JUMP 3
//   23 10  Result <- VAR 0
//   24 10  EXIT

