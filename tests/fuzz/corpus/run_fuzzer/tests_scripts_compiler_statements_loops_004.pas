procedure P(n);
begin
  for n := n downto 1 do ;
end;
//    0  0  BEGIN 1 of 1
//    1  3  Result <- VAR 0
//    2  3  Result -> VAR 0
//    3  3  Result <- VAR 0
//    4  3  PUSH RESULT
//    5  3  Result <- INT 1
//    6  3  GR.OR EQ.
//    7  3  JUMP IF NOT RESULT TO 10
//    8  4  DEC 0
//    9  4  JUMP 3
//   10  4  EXIT

