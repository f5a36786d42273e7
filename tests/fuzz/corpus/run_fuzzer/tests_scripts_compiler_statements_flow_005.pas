var a;
begin
  top: while a do
    if a then goto TOP else goto Fin;
  FIN: a := 1
end;
//    0  0  BEGIN 0 of 1
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 9
//    3  4  Result <- VAR 0
//    4  4  JUMP IF NOT RESULT TO 7
//    5  4  JUMP 1
//    6  4  JUMP 8
//    7  4  JUMP 9
//    8  4  JUMP 1
//    9  5  Result <- INT 1
//   10  5  Result -> VAR 0
//   11  5  EXIT

