var c;
begin
  while c do
    try
      break
    finally
      Log(1)
    end
end;
//    0  0  BEGIN 0 of 1
//    1  3  Result <- VAR 0
//    2  3  JUMP IF NOT RESULT TO 20
//    3  5  TRY 15
//    4  6  JUMP 10
//    5  6  END TRY
//    6  7  Result <- INT 1
//    7  7  PUSH RESULT
//    8  7  Result <- METHOD Log (1 params)
//    9  7  JUMP 19
//   10  6  END TRY
//   11  7  Result <- INT 1
//   12  7  PUSH RESULT
//   13  7  Result <- METHOD Log (1 params)
//   14  6  JUMP 20
//   15  7  Result <- INT 1
//   16  7  PUSH RESULT
//   17  7  Result <- METHOD Log (1 params)
//   18  7  RAISE (Exception)
//   19  7  JUMP 1
//   20  7  EXIT

