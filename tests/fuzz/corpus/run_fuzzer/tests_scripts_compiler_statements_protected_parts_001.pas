function F(a);
begin
  try
    if a then exit;
    result := 2
  except
    result := 3
  end
end;
//    0  0  BEGIN 1 of 2
//    1  4  TRY 12
//    2  4  Result <- VAR 0
//    3  4  JUMP IF NOT RESULT TO 5
//    4  4  JUMP 9
//    5  5  Result <- INT 2
//    6  5  Result -> VAR 1
//    7  5  END TRY
//    8  5  JUMP 15
//    9  4  END TRY
//   10  4  Result <- VAR 1
//   11  4  EXIT
//   12  7  Result <- INT 3
//   13  7  Result -> VAR 1
//   14  7  CLEAR Exception
//   15  7  Result <- VAR 1
//   16  7  EXIT

