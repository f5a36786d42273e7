function Calc(a);
begin
  if a then exit;
  Calc := 5;
  calc := 6;
  Result := 7
end;
//    0  0  BEGIN 1 of 2
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 5
//    3  3  Result <- VAR 1
//    4  3  EXIT
//    5  4  Result <- INT 5
//    6  4  Result -> VAR 1
//    7  5  Result <- INT 6
//    8  5  Result -> PROP calc (0 params)
//    9  6  Result <- INT 7
//   10  6  Result -> VAR 1
//   11  6  Result <- VAR 1
//   12  6  EXIT

