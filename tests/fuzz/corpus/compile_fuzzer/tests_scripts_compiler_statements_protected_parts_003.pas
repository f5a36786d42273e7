var i;
begin
  for i := 1 to 2 do
    try
      try
        continue
      except
      end
    finally
      Log(i)
    end
end;
//    0  0  BEGIN 0 of 1
//    1  3  Result <- INT 1
//    2  3  Result -> VAR 0
//    3  3  Result <- VAR 0
//    4  3  PUSH RESULT
//    5  3  Result <- INT 2
//    6  3  LESS OR EQ.
//    7  3  JUMP IF NOT RESULT TO 32
//    8  5  TRY 26
//    9  6  TRY 15
//   10  7  JUMP 13
//   11  7  END TRY
//   12  7  JUMP 16
//   13  7  END TRY
//   14  7  JUMP 21
//   15  9  CLEAR Exception
//   16  9  END TRY
//   17 10  Result <- VAR 0
//   18 10  PUSH RESULT
//   19 10  Result <- METHOD Log (1 params)
//   20 10  JUMP 30
//   21  7  END TRY
//   22 10  Result <- VAR 0
//   23 10  PUSH RESULT
//   24 10  Result <- METHOD Log (1 params)
//   25  7  JUMP 30
//   26 10  Result <- VAR 0
//   27 10  PUSH RESULT
//   28 10  Result <- METHOD Log (1 params)
//   29 10  RAISE (Exception)
//   30 10  INC 0
//   31 10  JUMP 3
//   32 10  EXIT

