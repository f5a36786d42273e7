var i, j;
begin
  while i do
  begin
    while j do break;
    continue
  end
end;
//    0  0  BEGIN 0 of 2
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 9
//    3  5  Result <- VAR 1
//    4  5  JUMP IF NOT RESULT TO 7
//    5  5  JUMP 7
//    6  5  JUMP 3
//    7  7  JUMP 1
//    8  7  JUMP 1
//    9  7  EXIT
