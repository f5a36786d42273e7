var c, x;
begin
  while c do begin x := 1; break end
end;
//    0  0  BEGIN 0 of 2
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 7
//    3  3  Result <- INT 1
//    4  3  Result -> VAR 1
//    5  3  JUMP 7
//    6  3  JUMP 1
//    7  3  EXIT

