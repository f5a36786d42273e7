var a;
begin
  a;
  Beep;
  if a then Beep else a
end;
//    0  0  BEGIN 0 of 1
//    1  3  Result <- VAR 0
//    2  4  Result <- METHOD Beep (0 params)
//    3  5  Result <- VAR 0
//    4  5  JUMP IF NOT RESULT TO 7
//    5  5  Result <- METHOD Beep (0 params)
//    6  5  JUMP 8
//    7  6  Result <- VAR 0
//    8  6  EXIT

